#pragma once

#include "DataSource.h"
#include "Form.h"
#include "ItemState.h"
#include "PrepareUnit.h"
#include "Session.h"
#include "Table.h"
#include "TimeCounter.h"

class OutlinedLabel;
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollArea;
class ShapeButton;
class TNameForm;
class TProgressForm;
class TAboutForm;
struct ItemArea;
class ScoreDisplay;

// The exam window: it owns the table session and the three table handles, offers the exam
// commands, walks the candidate through the current exam and closes it.
class TTestForm : public Form {
    Q_OBJECT
public:
    enum Mode { NoExam = 0, Testing = 1, Reviewing = 3 };

    TTestForm(ItemStateArray& itemState, QWidget* parent = nullptr);
    ~TTestForm() override;

    // The windows this one shows; set once by the program after creating them.
    void setDialogs(TNameForm* nameForm, TProgressForm* progressForm, TAboutForm* aboutForm);

    Session Mirelle;
    Table* dtQSet = nullptr;
    Table* dtCurrentSet = nullptr;
    Table* dtUserSet = nullptr;
    DataSource* dsQSet = nullptr;
    DataSource* dsCurrentSet = nullptr;
    DataSource* dsUserSet = nullptr;

    // Exam state.
    Mode ExamMode = NoExam;
    QString ExamTitle;
    QString CandidateName;
    double TimeLimit = 0; // days
    int FirstRecNo = 0;
    int LastRecNo = 0;
    // Options.
    bool ShowLearnBtn = false;
    bool TimerOn = true;
    bool ShowCalcBtn = false;
    QString CalcPath;
    int DefaultTime = 90;

    ItemStateArray& itemState() { return m_itemState; }

    // Header bar.
    QFrame* HeaderBar = nullptr;
    OutlinedLabel* fcLabel1 = nullptr;
    OutlinedLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QCheckBox* MarkBox = nullptr;
    OutlinedLabel* CorrectLabel = nullptr;
    OutlinedLabel* TimeLabel = nullptr;
    QLabel* ReviewLabel = nullptr;
    // Centre.
    QFrame* CentrePanel = nullptr;
    QFrame* Panel4 = nullptr; // welcome panel
    OutlinedLabel* WelcomeLabel = nullptr;
    QLabel* WelcomeText = nullptr;
    QFrame* SelectPanel = nullptr;
    OutlinedLabel* SelectLabel = nullptr;
    ShapeButton* fcShapeBtn[6] = {};
    ShapeButton* AllQBtn = nullptr;
    ShapeButton* RandomBtn = nullptr;
    ShapeButton* UserBtn = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    // Button bar.
    QFrame* Panel2 = nullptr;
    QPushButton* PrevButton = nullptr;
    QPushButton* NextButton = nullptr;
    QPushButton* LearnButton = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* NoteButton = nullptr;
    QPushButton* GradeButton = nullptr;
    QPushButton* Button3 = nullptr;
    // Menus.
    QMenuBar* MainMenu = nullptr;
    QMenu* FileMenu = nullptr;
    QMenu* ExamsMenu = nullptr;
    QMenu* HelpMenu = nullptr;
    QAction* OptionsItem = nullptr;
    QAction* PrintItem = nullptr;
    QAction* ExitItem = nullptr;
    QAction* Action[6] = {};
    QAction* AllQAct = nullptr;
    QAction* RandAct = nullptr;
    QAction* UserAct = nullptr;
    QAction* AboutItem = nullptr;

    TimeCounter* Timer1 = nullptr;
    std::unique_ptr<ItemArea> Item; // the controls of the item area

    // Responses.
    void ALabelClick(int choice);
    void RadioButton1Click();
    void RadioChoicesChanged();
    void CheckBoxClick(int choice);
    void MarkBoxClick();
    void CheckAnswer();
    void LearnButtonClick();
    // The response record of the current item, or null when there is none.
    ItemState* currentItemState();

    // Controller.
    void EnableExamCommands();
    void ExamControls();
    void ReviewControls();
    void CloseCurrentExam();
    void ArrangeExamButtons();
    void ArrangeExamButtons(int windowWidth);
    void dsCurrentSetDataChange();
    void PrevButtonClick();
    void NextButtonClick();
    void Button3Click();
    void GradeButtonClick();
    void GradeExam();
    void setScoreDisplay(ScoreDisplay* display) { m_scoreDisplay = display; }
    void AboutClick();

    // Exam commands.
    void Action1Execute() { PracticeExam(1); }
    void Action2Execute() { PracticeExam(2); }
    void Action3Execute() { PracticeExam(3); }
    void Action4Execute() { PracticeExam(4); }
    void Action5Execute() { PracticeExam(5); }
    void Action6Execute() { PracticeExam(6); }
    void AllQActExecute();
    void RandActExecute();
    void UserActExecute();
    void PrepareNameDialog(bool questionCountEnabled);
    void BeginExam();
    void BeginUserExam();

    // Clock.
    void StartTimer();
    void Timer1Timer();
    void TimeExpired();

protected:
    void FormCreate();
    bool FormCloseQuery() override;
    void FormClose() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildHeader();
    void buildWelcomePanel();
    void buildButtonBar();
    void buildMenus();
    void connectResponses();
    void layoutHeaderAndBars();
    void PracticeExam(int number);
    // Steps shared by every exam start once its dialog is confirmed; the preparation is
    // the only part that differs.
    void StartPreparedExam(const std::function<ExamRange()>& prepare);
    // Shows the name dialog; on OK takes the name and minutes from it.
    bool askCandidate();
    qint64 timeLimitSeconds() const;

    ItemStateArray& m_itemState;
    TNameForm* m_nameForm = nullptr;
    TProgressForm* m_progressForm = nullptr;
    TAboutForm* m_aboutForm = nullptr;
    ScoreDisplay* m_scoreDisplay = nullptr;
};
