#include "NameUnit.h"

#include "ErrorGuard.h"

#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>

TNameForm::TNameForm(QWidget* parent) : Form(parent) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(305, 204);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(13);
    setFont(font);

    Label1 = new QLabel(this);
    Label1->setGeometry(105, 8, 192, 18);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Label3 = new QLabel(tr("Your Name: "), this);
    Label3->setGeometry(12, 42, 130, 22);
    NameEdit = new QLineEdit(tr("Your Name"), this);
    NameEdit->setGeometry(150, 40, 145, 24);
    Label3->setBuddy(NameEdit);

    Label2 = new QLabel(tr("Time (min):"), this);
    Label2->setGeometry(12, 76, 130, 22);
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setGeometry(150, 74, 80, 24);
    SpinEdit1->setRange(1, 600);
    SpinEdit1->setValue(90);
    Label2->setBuddy(SpinEdit1);

    Label4 = new QLabel(tr("Number of questions:"), this);
    Label4->setGeometry(12, 110, 136, 22);
    SpinEdit2 = new QSpinBox(this);
    SpinEdit2->setGeometry(150, 108, 80, 24);
    SpinEdit2->setMinimum(1);
    Label4->setBuddy(SpinEdit2);

    auto* line = new QFrame(this);
    line->setGeometry(8, 150, 289, 2);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    BitBtn1 = new QPushButton(tr("OK"), this);
    BitBtn1->setGeometry(136, 164, 75, 28);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(tr("Cancel"), this);
    BitBtn2->setGeometry(220, 164, 75, 28);
    connect(BitBtn1, &QPushButton::clicked, this,
            ErrorGuard::guarded(this, &TNameForm::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, [this] { setModalResult(mrCancel); });

    for (QWidget* w : std::initializer_list<QWidget*>{NameEdit, SpinEdit1, SpinEdit2})
        w->setAccessibleName(qobject_cast<QLabel*>(w == NameEdit    ? Label3
                                                   : w == SpinEdit1 ? Label2
                                                                    : Label4)
                                 ->text()
                                 .trimmed());
    for (QLabel* label : {Label2, Label3, Label4})
        label->setAccessibleName(label->text().trimmed());
    BitBtn1->setAccessibleName(BitBtn1->text());
    BitBtn2->setAccessibleName(BitBtn2->text());
    setQuestionCountEnabled(false);
}

void TNameForm::showEvent(QShowEvent* event) {
    Label1->setText(tr("Date: ") + QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    Label1->setAccessibleName(Label1->text());
    NameEdit->setFocus();
    NameEdit->selectAll();
    Form::showEvent(event);
}

void TNameForm::setQuestionCountEnabled(bool enabled) {
    Label4->setEnabled(enabled);
    SpinEdit2->setEnabled(enabled);
    QPalette colors = palette();
    if (!enabled) {
        colors.setColor(QPalette::Base, QColor(192, 192, 192));
        colors.setColor(QPalette::Text, QColor(128, 128, 128));
        colors.setColor(QPalette::Disabled, QPalette::Base, QColor(192, 192, 192));
        colors.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    }
    SpinEdit2->setPalette(colors);
}

void TNameForm::BitBtn1Click() {
    CandidateName = NameEdit->text();
    TimeLimit = SpinEdit1->value() / 1440.0;
    setModalResult(mrOk);
}
