#include "ProgressUnit.h"

#include <QApplication>
#include <QProgressBar>
#include <QScreen>

TProgressForm::TProgressForm(QWidget* parent) : Form(parent) {
    setWindowTitle(tr("Randomizing queastion set..."));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(231 + 2, 15 + 2);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setGeometry(1, 1, 231, 15);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setAccessibleName(windowTitle());
}

void TProgressForm::begin() {
    m_running = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TProgressForm::setMaximum(int maximum) {
    ProgressBar1->setMaximum(std::max(0, maximum));
    m_repaintStep = std::max(1, maximum / 50);
}

void TProgressForm::setPosition(int position) {
    ProgressBar1->setValue(position);
    // Paint now and then, without letting the candidate act while the set is built.
    if (position % m_repaintStep == 0)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TProgressForm::end() {
    m_running = false;
    hide();
}
