#include "MainUnit.h"

#include "AppForms.h"
#include "ErrorGuard.h"
#include "ProgramFolder.h"
#include "ShapeButton.h"
#include "TestUnit.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace {
constexpr int LauncherWidth = 232;
constexpr int LogoHeight = 48;
constexpr int PanelHeight = 148;
constexpr int PanelMargin = 4;
const QString LogoFile = QStringLiteral("tarnwick-logo.bmp");
} // namespace

TMainForm::TMainForm(QWidget* parent) : Form(parent) {
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint);
    setClosesOnEscape(false);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    Logo = new QLabel(this);
    Logo->setGeometry(0, 0, LauncherWidth, LogoHeight);
    Logo->setAlignment(Qt::AlignCenter);
    Logo->setAccessibleName(tr("Tarnwick"));

    Panel1 = new QFrame(this);
    Panel1->setGeometry(0, LogoHeight, LauncherWidth, PanelHeight);

    struct ButtonSpec {
        ShapeButton** button;
        const char* caption;
        QColor color;
        int top;
        void (TMainForm::*handler)();
    };
    const ButtonSpec buttons[] = {
        {&StartTestBtn, QT_TR_NOOP("Start &Testing"), QColor(0, 0, 128), 14,
         &TMainForm::StartTestBtnClick},
        {&SamplerBtn, QT_TR_NOOP("Test &Sampler"), QColor(128, 0, 128), 50,
         &TMainForm::SamplerBtnClick},
        {&fcShapeBtn3, QT_TR_NOOP("E&xit"), QColor(0, 128, 128), 102, &TMainForm::fcShapeBtn3Click},
    };
    QFont buttonFont(QStringLiteral("MS Sans Serif"));
    buttonFont.setPixelSize(13);
    for (const ButtonSpec& spec : buttons) {
        auto* button = new ShapeButton(tr(spec.caption), Panel1);
        button->setGeometry(47, spec.top, 138, 34);
        button->setColor(spec.color);
        button->setRoundness(15);
        button->setFont(buttonFont);
        button->setAccessibleName(button->text().remove(u'&'));
        connect(button, &QPushButton::clicked, this, ErrorGuard::guarded(this, spec.handler));
        *spec.button = button;
    }
    setTabOrder(StartTestBtn, SamplerBtn);
    setTabOrder(SamplerBtn, fcShapeBtn3);
    FormCreate();
}

void TMainForm::FormCreate() {
    ProgramFolder::makeCurrent();
    setWindowTitle(tr("Tarnwick"));
    SamplerBtn->setEnabled(true);
    SamplerBtn->setColor(QColor(128, 0, 128));
    const QPixmap logo(LogoFile);
    Logo->setPixmap(logo);
    // Sized to its content: the logo strip over the button panel.
    setFixedSize(LauncherWidth, LogoHeight + PanelHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TMainForm::paintEvent(QPaintEvent* event) {
    Form::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(QColor(0, 0, 255), 1));
    const QRect frame =
        Panel1->geometry().adjusted(PanelMargin, PanelMargin, -PanelMargin - 1, -PanelMargin - 1);
    painter.drawRect(frame);
}

void TMainForm::StartTestBtnClick() {
    TTestForm* testForm = AppForms::instance().TestForm.get();
    hide();
    testForm->setWindowTitle(tr("Tarnwick"));
    setWindowTitle(tr("Tarnwick"));
    testForm->EnableExamCommands();
    testForm->ShowModal();
    show();
}

void TMainForm::SamplerBtnClick() {
    // The sampler window joins the program with the question-set editor; until then the
    // launcher stays as it is.
}

void TMainForm::fcShapeBtn3Click() {
    close();
}

void TMainForm::FormClose() {
    QCoreApplication::quit();
}
