#include "TestUnit.h"

#include "AboutUnit.h"
#include "AppMessageBox.h"
#include "ErrorGuard.h"
#include "Fonts.h"
#include "ItemArea.h"
#include "LPositionsUnit.h"
#include "OutlinedLabel.h"
#include "Rounding.h"
#include "ScoreDisplay.h"
#include "ShapeButton.h"
#include "Tables.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

constexpr int HeaderHeight = 45;
constexpr int ButtonBarHeight = 41;
constexpr int DesignWidth = 724;

QString withoutMnemonic(QString text) {
    return text.remove(u'&');
}

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette colors = widget->palette();
    colors.setColor(QPalette::WindowText, color);
    widget->setPalette(colors);
}

} // namespace

TTestForm::TTestForm(ItemStateArray& itemState, QWidget* parent)
    : Form(parent), Mirelle(Tables::SessionName), m_itemState(itemState) {
    dtQSet = new Table(Mirelle, Tables::questionBank(), this);
    dtCurrentSet = new Table(Mirelle, Tables::currentExam(), this);
    dtUserSet = new Table(Mirelle, Tables::userSet(), this);
    dsQSet = new DataSource(dtQSet, this);
    dsCurrentSet = new DataSource(dtCurrentSet, this);
    dsUserSet = new DataSource(dtUserSet, this);
    connect(dsCurrentSet, &DataSource::dataChange, this,
            [this] { ErrorGuard::run([this] { dsCurrentSetDataChange(); }); });

    Timer1 = new TimeCounter(this);
    Timer1->setEnabled(false);
    connect(Timer1, &TimeCounter::OnTimer, this,
            ErrorGuard::guarded(this, &TTestForm::Timer1Timer));

    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setClosesOnEscape(false);
    // The client area of a window 732 x 505 (at least 732 x 502) in a classic frame.
    setMinimumSize(DesignWidth, 475);
    resize(DesignWidth, 478);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenus();
    layout->setMenuBar(MainMenu);
    buildHeader();
    layout->addWidget(HeaderBar);

    CentrePanel = new QFrame(this);
    CentrePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    CentrePanel->setLineWidth(1);
    CentrePanel->setAutoFillBackground(true);
    QPalette white = CentrePanel->palette();
    white.setColor(QPalette::Window, Qt::white);
    CentrePanel->setPalette(white);
    auto* centre = new QVBoxLayout(CentrePanel);
    centre->setContentsMargins(1, 1, 1, 1);
    buildWelcomePanel();
    centre->addWidget(Panel4);
    ScrollBox1 = new QScrollArea(CentrePanel);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setAccessibleName(tr("Item"));
    centre->addWidget(ScrollBox1);
    layout->addWidget(CentrePanel, 1);

    buildButtonBar();
    layout->addWidget(Panel2);
    Item = std::make_unique<ItemArea>(ScrollBox1);
    connectResponses();
    FormCreate();
}

TTestForm::~TTestForm() = default;

void TTestForm::connectResponses() {
    for (int n = 0; n < 6; ++n) {
        connect(Item->ALabel[n], &ClickLabel::clicked, this,
                [this, n] { ErrorGuard::run([this, n] { ALabelClick(n); }); });
        // Any change of state counts, from the mouse, the keyboard, code or a screen reader.
        connect(Item->RadioButton[n], &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                ErrorGuard::run([this] { RadioButton1Click(); });
        });
        connect(Item->CheckBox[n], &QCheckBox::toggled, this,
                [this, n] { ErrorGuard::run([this, n] { CheckBoxClick(n); }); });
    }
    connect(MarkBox, &QCheckBox::toggled, this,
            ErrorGuard::guarded(this, &TTestForm::MarkBoxClick));
    connect(LearnButton, &QPushButton::clicked, this,
            ErrorGuard::guarded(this, &TTestForm::LearnButtonClick));
    // The menu bar stays reachable from the keyboard when an item's "&f." takes Alt+F.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        MainMenu->setFocus(Qt::ShortcutFocusReason);
        MainMenu->setActiveAction(FileMenu->menuAction());
    });
}

void TTestForm::setDialogs(TNameForm* nameForm, TProgressForm* progressForm,
                           TAboutForm* aboutForm) {
    m_nameForm = nameForm;
    m_progressForm = progressForm;
    m_aboutForm = aboutForm;
}

void TTestForm::buildMenus() {
    MainMenu = new QMenuBar(this);
    FileMenu = MainMenu->addMenu(tr("&File"));
    OptionsItem = FileMenu->addAction(tr("&Options..."));
    PrintItem = FileMenu->addAction(tr("&Print this item"));
    FileMenu->addSeparator();
    ExitItem = FileMenu->addAction(tr("E&xit"));
    connect(ExitItem, &QAction::triggered, this, [this] { close(); });

    ExamsMenu = MainMenu->addMenu(tr("Exa&ms"));
    const char* letters = "ABCDEF";
    void (TTestForm::*handlers[6])() = {&TTestForm::Action1Execute, &TTestForm::Action2Execute,
                                        &TTestForm::Action3Execute, &TTestForm::Action4Execute,
                                        &TTestForm::Action5Execute, &TTestForm::Action6Execute};
    for (int i = 0; i < 6; ++i) {
        Action[i] = ExamsMenu->addAction(tr("Practice Exam &%1").arg(QLatin1Char(letters[i])));
        connect(Action[i], &QAction::triggered, this, ErrorGuard::guarded(this, handlers[i]));
    }
    ExamsMenu->addSeparator();
    AllQAct = ExamsMenu->addAction(tr("&Take All &Questions"));
    RandAct = ExamsMenu->addAction(tr("&Random Exam"));
    UserAct = ExamsMenu->addAction(tr("&User Exam"));
    connect(AllQAct, &QAction::triggered, this,
            ErrorGuard::guarded(this, &TTestForm::AllQActExecute));
    connect(RandAct, &QAction::triggered, this,
            ErrorGuard::guarded(this, &TTestForm::RandActExecute));
    connect(UserAct, &QAction::triggered, this,
            ErrorGuard::guarded(this, &TTestForm::UserActExecute));

    HelpMenu = MainMenu->addMenu(tr("&Help"));
    AboutItem = HelpMenu->addAction(tr("Ab&out"));
    connect(AboutItem, &QAction::triggered, this,
            ErrorGuard::guarded(this, &TTestForm::AboutClick));
}

void TTestForm::buildHeader() {
    HeaderBar = new QFrame(this);
    HeaderBar->setFixedHeight(HeaderHeight);
    HeaderBar->setFrameStyle(QFrame::NoFrame);
    auto* topLine = new QFrame(HeaderBar);
    topLine->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    topLine->setGeometry(0, 0, 4000, 2);

    fcLabel1 = new OutlinedLabel(tr("Windows Halvard 4.0"), HeaderBar);
    fcLabel1->setFont(PixelFont("Arial", 19, true, true));
    fcLabel1->setShadowDepth(2);
    fcLabel1->setAlignment(Qt::AlignCenter);

    Label1 = new OutlinedLabel(QString(), HeaderBar);
    Label1->setFont(PixelFont("Verdana", 13, true));
    Label1->setGeometry(4, 4, 118, 18);

    Label2 = new QLabel(HeaderBar);
    Label2->setFont(PixelFont("Verdana", 13));
    Label2->setGeometry(124, 4, 200, 18);

    Label3 = new QLabel(HeaderBar);
    Label3->setFont(PixelFont("Verdana", 13, true));
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextColor(Label3, QColor(128, 128, 128));

    MarkBox = new QCheckBox(tr("&Mark this item"), HeaderBar);
    MarkBox->setGeometry(4, 24, 161, 17);
    MarkBox->setFont(PixelFont("Verdana", 13, true));
    setTextColor(MarkBox, Qt::black);
    MarkBox->setAccessibleName(withoutMnemonic(MarkBox->text()));

    CorrectLabel = new OutlinedLabel(QString(), HeaderBar);
    CorrectLabel->setFont(PixelFont("Verdana", 13, true));
    CorrectLabel->setGeometry(4, 24, 200, 18);

    TimeLabel = new OutlinedLabel(QString(), HeaderBar);
    TimeLabel->setFont(PixelFont("Verdana", 13, true));
    TimeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    ReviewLabel = new QLabel(tr("Review items"), HeaderBar);
    ReviewLabel->setFont(PixelFont("Verdana", 13, true));
    ReviewLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextColor(ReviewLabel, QColor(0, 0, 128));
    ReviewLabel->setAccessibleName(ReviewLabel->text());
}

void TTestForm::buildWelcomePanel() {
    Panel4 = new QFrame(CentrePanel);
    Panel4->setMinimumHeight(210);

    WelcomeLabel = new OutlinedLabel(tr("Welcome to Tarnwick"), Panel4);
    WelcomeLabel->setFont(PixelFont("Arial", 16, true, true));
    WelcomeLabel->setColor(QColor(0, 255, 255));
    WelcomeLabel->setShadowDepth(2);
    WelcomeLabel->setAlignment(Qt::AlignCenter);

    WelcomeText =
        new QLabel(tr("This program is designed to prepare you for the certification exam\n"
                      "HV4-117: Installing, Configuring and Administering Windows Halvard 4.0"),
                   Panel4);
    WelcomeText->setFont(PixelFont("MS Sans Serif", 13));
    WelcomeText->setAlignment(Qt::AlignCenter);
    WelcomeText->setAccessibleName(WelcomeText->text());

    SelectPanel = new QFrame(Panel4);
    SelectPanel->setFrameStyle(QFrame::NoFrame);
    SelectLabel =
        new OutlinedLabel(tr("Please select the practice exam you want to begin."), SelectPanel);
    SelectLabel->setFont(PixelFont("Arial", 16, true, true));
    SelectLabel->setColor(QColor(0, 255, 0));
    SelectLabel->setShadowDepth(2);
    SelectLabel->setAlignment(Qt::AlignCenter);

    const QFont buttonFont = PixelFont("MS Sans Serif", 13);
    const char* letters = "ABCDEF";
    for (int i = 0; i < 6; ++i) {
        fcShapeBtn[i] =
            new ShapeButton(QStringLiteral("&%1").arg(QLatin1Char(letters[i])), SelectPanel);
        fcShapeBtn[i]->setGeometry(0, 44, 30, 30);
        fcShapeBtn[i]->setColor(QColor(128, 0, 128));
        fcShapeBtn[i]->setRoundness(8);
        fcShapeBtn[i]->setFont(buttonFont);
        fcShapeBtn[i]->setAccessibleName(tr("Practice Exam %1").arg(QLatin1Char(letters[i])));
        // Bound to the same command as the menu item.
        connect(fcShapeBtn[i], &QPushButton::clicked, Action[i], &QAction::trigger);
    }
    // Alt+F stays with the "&File" menu; Practice Exam F is also Alt+M, F.
    fcShapeBtn[5]->setShortcut(QKeySequence());
    struct Wide {
        ShapeButton** button;
        QString caption;
        QAction* action;
    };
    for (const Wide& wide : {Wide{&AllQBtn, tr("All &Questions"), AllQAct},
                             Wide{&RandomBtn, tr("&Random Exam"), RandAct},
                             Wide{&UserBtn, tr("&User Exam"), UserAct}}) {
        auto* button = new ShapeButton(wide.caption, Panel4);
        button->setGeometry(0, 168, 109, 30);
        button->setColor(QColor(0, 0, 128));
        button->setRoundness(8);
        button->setFont(buttonFont);
        button->setAccessibleName(withoutMnemonic(wide.caption));
        connect(button, &QPushButton::clicked, wide.action, &QAction::trigger);
        *wide.button = button;
    }
}

void TTestForm::buildButtonBar() {
    Panel2 = new QFrame(this);
    Panel2->setFixedHeight(ButtonBarHeight);
    const QFont font = PixelFont("MS Sans Serif", 13);
    struct Spec {
        QPushButton** button;
        QString caption;
        int left;
        int width;
        void (TTestForm::*handler)();
    };
    const Spec specs[] = {
        {&PrevButton, tr("&< Previous Item"), 4, 109, &TTestForm::PrevButtonClick},
        {&NextButton, tr("Next Item &>"), 116, 109, &TTestForm::NextButtonClick},
        {&LearnButton, tr("&Learn Now"), 236, 93, nullptr},
        {&Button1, tr("Items &Review"), 332, 93, nullptr},
        {&NoteButton, tr("&Note"), 428, 93, nullptr},
        {&GradeButton, tr("&Grade Now"), 533, 93, &TTestForm::GradeButtonClick},
        {&Button3, tr("E&xit Exam"), 629, 93, &TTestForm::Button3Click},
    };
    for (const Spec& spec : specs) {
        auto* button = new QPushButton(spec.caption, Panel2);
        button->setGeometry(spec.left, 8, spec.width, 29);
        button->setFont(font);
        button->setAccessibleName(withoutMnemonic(spec.caption));
        if (spec.handler)
            connect(button, &QPushButton::clicked, this, ErrorGuard::guarded(this, spec.handler));
        *spec.button = button;
    }
}

void TTestForm::FormCreate() {
    // Registered before any table opens, so the protected files open without a prompt.
    Mirelle.addPassword(Tables::Password);
    setWindowState(Qt::WindowMaximized);
    setWindowTitle(tr("Tarnwick"));
    ExamMode = NoExam;
    // The stored options come with the options dialog; until then the defaults hold.
    ShowLearnBtn = false;
    TimerOn = true;
    DefaultTime = 90;
    ShowCalcBtn = false;
    LearnButton->setVisible(ShowLearnBtn);
    CloseCurrentExam(); // the welcome layout
}

void TTestForm::layoutHeaderAndBars() {
    const int w = width();
    fcLabel1->setGeometry(0, 2, w, HeaderHeight - 2);
    Label3->setGeometry(w - 5 - 300, 4, 300, 18);
    TimeLabel->setGeometry(w - (DesignWidth - 619), 24, 100, 17);
    ReviewLabel->setGeometry(w - 5 - 200, 24, 200, 18);
    GradeButton->move(w - (DesignWidth - 533), 8);
    Button3->move(w - (DesignWidth - 629), 8);
    const int panelWidth = Panel4->width();
    WelcomeLabel->setGeometry(0, 17, panelWidth, 22);
    WelcomeText->setGeometry(0, 41, panelWidth, 34);
    SelectPanel->setGeometry(0, 82, panelWidth, 82);
    SelectLabel->setGeometry(5, 12, panelWidth - 10, 22);
}

void TTestForm::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    layout()->activate();
    layoutHeaderAndBars();
    if (dtCurrentSet->isOpen() && ExamMode != NoExam)
        LayoutItem(*Item, *dtCurrentSet, currentItemState(), MarkBox);
    if (Panel4->isVisibleTo(this))
        ArrangeExamButtons();
}

void TTestForm::ArrangeExamButtons() {
    ArrangeExamButtons(frameGeometry().width());
}

void TTestForm::ArrangeExamButtons(int windowWidth) {
    const int letterWidth = fcShapeBtn[0]->width();
    int left = int(RoundHalfEven(windowWidth - 6 * letterWidth - 36, 2));
    for (ShapeButton* button : fcShapeBtn) {
        button->move(left, button->y());
        left += button->width() + 6;
    }
    left = int(RoundHalfEven(windowWidth - 3 * AllQBtn->width() - 12, 2));
    for (ShapeButton* button : {AllQBtn, RandomBtn, UserBtn}) {
        button->move(left, button->y());
        left += button->width() + 6;
    }
}

void TTestForm::EnableExamCommands() {
    for (QAction* action : Action)
        action->setEnabled(true);
    for (QAction* action : {AllQAct, RandAct, UserAct})
        action->setEnabled(true);
}

void TTestForm::ExamControls() {
    Panel4->hide();
    ScrollBox1->show();
    ScrollBox1->setEnabled(true);
    Panel2->show();
    fcLabel1->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label2, MarkBox, Label3, TimeLabel})
        w->show();
    ReviewLabel->hide();
    CorrectLabel->hide();
    GradeButton->setText(tr("Grade Now"));
    GradeButton->setAccessibleName(GradeButton->text());
    ExamsMenu->setEnabled(false);
    ExamsMenu->menuAction()->setEnabled(false);
    PrintItem->setEnabled(true);
    LearnButton->setEnabled(true);
    keepFocusVisible(ScrollBox1);
}

void TTestForm::CloseCurrentExam() {
    ExamMode = NoExam;
    dtQSet->setFilter(QString());
    dtQSet->setFiltered(false);
    dtQSet->close();
    dtCurrentSet->close();
    dtUserSet->close();
    Panel2->hide();
    fcLabel1->show();
    ExamsMenu->setEnabled(true);
    ExamsMenu->menuAction()->setEnabled(true);
    for (QWidget* w :
         std::initializer_list<QWidget*>{Label1, Label2, CorrectLabel, MarkBox, Label3, TimeLabel})
        w->hide();
    Timer1->setEnabled(false);
    ReviewLabel->hide();
    PrintItem->setEnabled(false);
    ScrollBox1->hide();
    Panel4->show();
    NoteButton->show();
    FileMenu->setTitle(tr("&File"));
    ArrangeExamButtons();
    keepFocusVisible(nullptr);
}

void TTestForm::dsCurrentSetDataChange() {
    if (ExamMode == NoExam)
        return;
    const int r = dtCurrentSet->recNo();
    PrevButton->setEnabled(r != FirstRecNo);
    NextButton->setEnabled(r != LastRecNo);
    Label1->setText(tr("Item %1 of %2").arg(r).arg(LastRecNo));
    Label2->setText(tr("Item ID: %1").arg(dtCurrentSet->integer(QStringLiteral("Q_OR_NUMBER"))));
    Label2->setAccessibleName(Label2->text());
    LayoutItem(*Item, *dtCurrentSet, currentItemState(), MarkBox);
    ShowItemStatus(*Item, *dtCurrentSet, ExamMode == Reviewing, currentItemState(), CorrectLabel);
    // While the item has a choice f, Alt+F answers it; the menu is then reached with F10.
    FileMenu->setTitle(Item->ALabel[5]->isHidden() ? tr("&File") : tr("File"));
}

void TTestForm::PrevButtonClick() {
    dtCurrentSet->prior();
}

void TTestForm::NextButtonClick() {
    dtCurrentSet->next();
}

void TTestForm::Button3Click() {
    if (AppMessageBox::show(AppMessageBox::Type::Confirmation,
                            tr("Are you sure you wish to end this exam?"),
                            AppMessageBox::Yes | AppMessageBox::No, this) == AppMessageBox::Yes)
        CloseCurrentExam();
}

void TTestForm::GradeButtonClick() {
    if (ExamMode == Reviewing)
        GradeExam();
    if (ExamMode == Testing &&
        AppMessageBox::show(AppMessageBox::Type::Confirmation,
                            tr("This will end your practice exam.\rAre you sure to end this exam?"),
                            AppMessageBox::Ok | AppMessageBox::Cancel, this) == AppMessageBox::Ok)
        GradeExam();
}

void TTestForm::GradeExam() {
    if (ExamMode == Testing) {
        if (m_scoreDisplay)
            m_scoreDisplay->showFigures(ComputeScoreFigures(m_itemState),
                                        ReportTitleLine(CandidateName, ExamTitle));
        ScrollBox1->hide();
        GradeButton->setText(tr("Score Report"));
        GradeButton->setAccessibleName(GradeButton->text());
        TimeLabel->hide();
        Timer1->setEnabled(false);
        keepFocusVisible(GradeButton);
    }
    if (m_scoreDisplay)
        m_scoreDisplay->showScoreModal();
}

void TTestForm::ReviewControls() {
    MarkBox->hide();
    TimeLabel->hide();
    LearnButton->setEnabled(false);
    CorrectLabel->show();
    ReviewLabel->show();
}

void TTestForm::AboutClick() {
    if (m_aboutForm)
        m_aboutForm->ShowModal();
}

bool TTestForm::FormCloseQuery() {
    if (ExamMode != Testing)
        return true;
    return AppMessageBox::show(
               AppMessageBox::Type::Warning, tr("This exam is not completed.\rAre you shure ?"),
               AppMessageBox::Ok | AppMessageBox::Cancel, this) == AppMessageBox::Ok;
}

void TTestForm::FormClose() {
    CloseCurrentExam();
}
