#include "TestUnit.h"

#include "Tables.h"

TTestForm::TTestForm(ItemStateArray& itemState, QWidget* parent)
    : Form(parent), Mirelle(Tables::SessionName), m_itemState(itemState)
{
    dtQSet = new Table(Mirelle, Tables::questionBank(), this);
    dtCurrentSet = new Table(Mirelle, Tables::currentExam(), this);
    dtUserSet = new Table(Mirelle, Tables::userSet(), this);
    dsQSet = new DataSource(dtQSet, this);
    dsCurrentSet = new DataSource(dtCurrentSet, this);
    dsUserSet = new DataSource(dtUserSet, this);
    FormCreate();
}

TTestForm::~TTestForm() = default;

void TTestForm::FormCreate()
{
    // Registered before any table opens, so the protected files open without a prompt.
    Mirelle.addPassword(Tables::Password);
    setWindowTitle(tr("Tarnwick"));
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowState(Qt::WindowMaximized);
}

void TTestForm::EnableExamCommands() {}

void TTestForm::CloseCurrentExam()
{
    m_examMode = NoExam;
    dtQSet->setFilter(QString());
    dtQSet->setFiltered(false);
    dtQSet->close();
    dtCurrentSet->close();
    dtUserSet->close();
}

void TTestForm::FormClose() { CloseCurrentExam(); }
