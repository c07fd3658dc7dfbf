// The exam window's exam commands and its clock.

#include "AppMessageBox.h"
#include "NameUnit.h"
#include "OutlinedLabel.h"
#include "PrepareUnit.h"
#include "ProgressUnit.h"
#include "TestUnit.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

void TTestForm::PrepareNameDialog(bool questionCountEnabled) {
    dtQSet->open();
    dtQSet->setFilter(QStringLiteral("Q_EXAM_N<>0"));
    dtQSet->setFiltered(true);
    const int count = dtQSet->recordCount();
    // setMaximum(0) alone would pull the minimum down to 0 for every later exam.
    m_nameForm->SpinEdit2->setRange(1, std::max(1, count));
    m_nameForm->SpinEdit2->setValue(count);
    dtQSet->close();
    m_nameForm->setQuestionCountEnabled(questionCountEnabled);
}

void TTestForm::PracticeExam(int number) {
    const QChar letter(u'A' + (number - 1));
    PrepareNameDialog(false);
    m_nameForm->setWindowTitle(tr("Begin Practice Exam %1").arg(letter));
    ExamTitle = tr("Practice Exam %1").arg(letter);
    dtQSet->setFilter(QStringLiteral("Q_EXAM_N=%1").arg(number));
    BeginExam();
}

void TTestForm::AllQActExecute() {
    PrepareNameDialog(false);
    m_nameForm->setWindowTitle(tr("Take All Questions"));
    ExamTitle = tr("All Questions");
    dtQSet->setFilter(QStringLiteral("Q_EXAM_N<>0"));
    BeginExam();
}

bool TTestForm::askCandidate() {
    if (m_nameForm->ShowModal() != mrOk)
        return false;
    CandidateName = m_nameForm->CandidateName;
    TimeLimit = m_nameForm->TimeLimit;
    return true;
}

void TTestForm::StartPreparedExam(const std::function<ExamRange()>& prepare) {
    Label3->setText(ExamTitle);
    Label3->setAccessibleName(ExamTitle);
    ExamMode = NoExam;
    const ExamRange range = prepare();
    FirstRecNo = range.FirstRecNo;
    LastRecNo = range.LastRecNo;
    ResetItemState(*dtCurrentSet, m_itemState);
    ExamMode = Testing;
    ExamControls();
    dtCurrentSet->first();
    StartTimer();
}

void TTestForm::BeginExam() {
    m_nameForm->SpinEdit1->setValue(DefaultTime);
    if (!askCandidate())
        return;
    StartPreparedExam([this] {
        dtQSet->setFiltered(true);
        dtQSet->open();
        return PrepareExamSet(*dtQSet, *dtCurrentSet, m_progressForm);
    });
}

void TTestForm::RandActExecute() {
    m_nameForm->setWindowTitle(tr("Random Exam"));
    PrepareNameDialog(true);
    ExamTitle = tr("Random Exam");
    dtQSet->setFilter(QStringLiteral("Q_EXAM_N<>0"));
    // The minutes are not preset: the dialog keeps what it showed last.
    if (!askCandidate())
        return;
    StartPreparedExam([this] {
        dtQSet->setFiltered(true);
        dtQSet->open();
        return PrepareRandomSet(*dtQSet, *dtCurrentSet, m_nameForm->SpinEdit2->value(),
                                m_progressForm);
    });
}

void TTestForm::UserActExecute() {
    dtUserSet->open();
    if (dtUserSet->isEmpty()) {
        dtUserSet->close();
        AppMessageBox::information(tr("User defined question set is empty!"), this);
        return;
    }
    PrepareNameDialog(false);
    m_nameForm->setWindowTitle(tr("User Exam"));
    ExamTitle = tr("User Exam");
    BeginUserExam();
}

void TTestForm::BeginUserExam() {
    m_nameForm->SpinEdit1->setValue(DefaultTime);
    if (!askCandidate())
        return;
    StartPreparedExam([this] {
        dtUserSet->open();
        return PrepareUserSet(*dtUserSet, *dtCurrentSet, m_progressForm);
    });
    // Notes are kept in the bank, so user items have none.
    NoteButton->hide();
}

qint64 TTestForm::timeLimitSeconds() const {
    return qRound64(TimeLimit * 86400.0);
}

void TTestForm::StartTimer() {
    const bool running = TimerOn && ExamMode == Testing;
    TimeLabel->setVisible(running);
    TimeLabel->setText(FormatTimeSpan(timeLimitSeconds()));
    Timer1->setEnabled(running);
    Timer1->Restart();
}

void TTestForm::Timer1Timer() {
    const qint64 elapsed = Timer1->ElapsedSeconds();
    TimeLabel->setText(FormatTimeSpan(timeLimitSeconds() - elapsed));
    if (elapsed >= timeLimitSeconds()) {
        Timer1->Restart();
        Timer1->setEnabled(false);
        TimeExpired();
    }
}

void TTestForm::TimeExpired() {
    const AppMessageBox::Button answer =
        AppMessageBox::show(AppMessageBox::Type::Information,
                            tr("Your time has expired.\rDo you want continue the exam anyway?"),
                            AppMessageBox::No | AppMessageBox::Ok, this);
    if (answer == AppMessageBox::No)
        GradeButtonClick();
    else
        TimeLabel->hide();
}
