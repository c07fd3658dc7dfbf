#include "ActWhen.h"
#include "MessageBoxRecorder.h"
#include "NameUnit.h"
#include "OutlinedLabel.h"
#include "ProgressUnit.h"
#include "ShapeButton.h"
#include "Startup.h"
#include "Tables.h"
#include "TestBank.h"
#include "TestUnit.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using AppMessageBox::Button;

class TestFormTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    ItemStateArray m_state;
    std::unique_ptr<TTestForm> m_form;
    std::unique_ptr<TNameForm> m_name;
    std::unique_ptr<TProgressForm> m_progress;
    qint64 m_now = 0; // the test clock, in ms

    // Answers the next name dialog (OK, or Cancel), after letting `adjust` change it.
    void answerNameDialog(bool ok, std::function<void(TNameForm&)> adjust = {}) {
        ActWhen(
            m_name.get(), [this] { return m_name->isVisible(); },
            [this, ok, adjust] {
                if (adjust)
                    adjust(*m_name);
                (ok ? m_name->BitBtn1 : m_name->BitBtn2)->click();
            });
    }

    void startExam(void (TTestForm::*command)(), std::function<void(TNameForm&)> adjust = {}) {
        answerNameDialog(true, adjust);
        (m_form.get()->*command)();
    }

private slots:
    void initTestCase() {
        Startup::substituteFonts();
        QVector<BankItem> items;
        for (int id = 1; id <= 300; ++id)
            items.append(TestBank::item(id,
                                        id <= 20   ? 0
                                        : id == 21 ? 6
                                                   : (id - 22) % 5 + 1,
                                        id % 6 + 1));
        TestBank::writeTables(m_folder.path(), items);
    }
    void init() {
        QDir::setCurrent(m_folder.path());
        m_form = std::make_unique<TTestForm>(m_state);
        m_name = std::make_unique<TNameForm>();
        m_progress = std::make_unique<TProgressForm>();
        m_form->setDialogs(m_name.get(), m_progress.get(), nullptr);
        m_form->Timer1->setClock([this] { return m_now; });
        m_form->show();
    }
    void cleanup() {
        m_form->CloseCurrentExam();
        m_form.reset();
        m_name.reset();
        m_progress.reset();
    }

    void arrangesTheWelcomeButtons() {
        m_form->ArrangeExamButtons(1024);
        QCOMPARE(m_form->fcShapeBtn[0]->x(), 404);
        QCOMPARE(m_form->fcShapeBtn[5]->x(), 584);
        QCOMPARE(m_form->AllQBtn->x(), 342);
        QCOMPARE(m_form->RandomBtn->x(), 457);
        QCOMPARE(m_form->UserBtn->x(), 572);
        QCOMPARE(m_form->fcShapeBtn[2]->text(), QStringLiteral("&C"));
    }

    void welcomeLayout() {
        QVERIFY(m_form->Panel4->isVisible());
        QVERIFY(!m_form->Panel2->isVisible() && !m_form->ScrollBox1->isVisible());
        QVERIFY(m_form->fcLabel1->isVisible());
        QCOMPARE(m_form->fcLabel1->text(), QStringLiteral("Windows Halvard 4.0"));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Tarnwick"));
        QVERIFY(m_form->ExamsMenu->isEnabled());
        QVERIFY(!m_form->PrintItem->isEnabled());
        QVERIFY(m_form->LearnButton->isHidden()); // Learn Now hidden by default
    }

    void walksThroughAnExam() {
        startExam(&TTestForm::Action1Execute);
        QCOMPARE(m_form->ExamMode, TTestForm::Testing);
        QCOMPARE(m_form->LastRecNo, 56);
        QCOMPARE(m_state.size(), std::size_t(56));
        QVERIFY(!m_form->Panel4->isVisible() && m_form->Panel2->isVisible());
        QCOMPARE(m_form->Label3->text(), QStringLiteral("Practice Exam A"));
        QCOMPARE(m_form->Label1->text(), QStringLiteral("Item 1 of 56"));
        const qint64 id = m_form->dtCurrentSet->integer(QStringLiteral("Q_OR_NUMBER"));
        QCOMPARE(m_form->Label2->text(), QStringLiteral("Item ID: %1").arg(id));
        QCOMPARE(m_form->Label1->accessibleName(), QStringLiteral("Item 1 of 56"));
        QVERIFY(!m_form->PrevButton->isEnabled() && m_form->NextButton->isEnabled());
        QVERIFY(!m_form->ExamsMenu->isEnabled());
        QVERIFY(m_form->PrintItem->isEnabled());
        QTest::mouseClick(m_form->NextButton, Qt::LeftButton);
        QCOMPARE(m_form->Label1->text(), QStringLiteral("Item 2 of 56"));
        QVERIFY(m_form->PrevButton->isEnabled());
        m_form->dtCurrentSet->last();
        QCOMPARE(m_form->Label1->text(), QStringLiteral("Item 56 of 56"));
        QVERIFY(m_form->PrevButton->isEnabled() && !m_form->NextButton->isEnabled());
    }

    void oneItemExam() {
        startExam(&TTestForm::Action6Execute);
        QCOMPARE(m_form->Label1->text(), QStringLiteral("Item 1 of 1"));
        QCOMPARE(m_form->Label2->text(), QStringLiteral("Item ID: 21"));
        QVERIFY(!m_form->PrevButton->isEnabled() && !m_form->NextButton->isEnabled());
    }

    void closingAsks() {
        MessageBoxRecorder boxes;
        // Escape never closes the window, on the welcome panel or in an exam.
        QTest::keyClick(m_form.get(), Qt::Key_Escape);
        QVERIFY(m_form->isVisible());
        startExam(&TTestForm::Action2Execute);
        m_form->ExamMode = TTestForm::Reviewing;
        QTest::keyClick(m_form.get(), Qt::Key_Escape);
        QVERIFY(m_form->isVisible());
        QCOMPARE(m_form->ExamMode, TTestForm::Reviewing);
        QVERIFY(boxes.records.isEmpty());
        m_form->ExamMode = TTestForm::Testing;
        boxes.answer(AppMessageBox::Cancel);
        QVERIFY(!m_form->close());
        QCOMPARE(boxes.records.size(), 1);
        QCOMPARE(boxes.records[0].type, AppMessageBox::Type::Warning);
        QCOMPARE(boxes.records[0].text,
                 QStringLiteral("This exam is not completed.\rAre you shure ?"));
        QCOMPARE(boxes.records[0].buttons, AppMessageBox::Ok | AppMessageBox::Cancel);
        QCOMPARE(m_form->ExamMode, TTestForm::Testing);
        QVERIFY(m_form->dtCurrentSet->isOpen());

        boxes.answer(AppMessageBox::No);
        m_form->Button3->click();
        QCOMPARE(boxes.records.last().text,
                 QStringLiteral("Are you sure you wish to end this exam?"));
        QCOMPARE(boxes.records.last().buttons, AppMessageBox::Yes | AppMessageBox::No);
        QCOMPARE(m_form->ExamMode, TTestForm::Testing);
        boxes.answer(AppMessageBox::Yes);
        m_form->Button3->click();
        QCOMPARE(m_form->ExamMode, TTestForm::NoExam);
        QVERIFY(m_form->Panel4->isVisible() && m_form->ExamsMenu->isEnabled());
        QVERIFY(!m_form->dtCurrentSet->isOpen() && !m_form->dtQSet->isOpen());
        QCOMPARE(m_state.size(), std::size_t(56)); // kept until the next exam

        // On the welcome panel the window closes without a question.
        const int before = int(boxes.records.size());
        QVERIFY(m_form->close());
        QCOMPARE(int(boxes.records.size()), before);
    }

    // The welcome panel is hidden while the name dialog is up; its focused button must not
    // stay focused, or Return would start the exam again.
    void returnAfterStartDoesNotRestart() {
        m_form->fcShapeBtn[0]->setFocus();
        startExam(&TTestForm::Action1Execute);
        QWidget* focused = m_form->focusWidget();
        QVERIFY(focused && focused->isVisible());
        QCOMPARE(focused, m_form->ScrollBox1);
        const int idBefore = m_form->dtCurrentSet->integer(QStringLiteral("Q_OR_NUMBER"));
        answerNameDialog(false); // would catch a second start
        QTest::keyClick(focused, Qt::Key_Return);
        QVERIFY(!m_name->isVisible());
        QCOMPARE(m_form->dtCurrentSet->integer(QStringLiteral("Q_OR_NUMBER")), idBefore);

        // Leaving from the score window: the hidden exam controls give up the focus too.
        m_form->NextButton->setFocus();
        m_form->ExamMode = TTestForm::Testing;
        m_form->CloseCurrentExam();
        QVERIFY(!m_form->focusWidget() || m_form->focusWidget()->isVisible());
    }

    void cancelledDialogChangesNothing() {
        answerNameDialog(false);
        m_form->Action2Execute();
        QCOMPARE(m_form->ExamMode, TTestForm::NoExam);
        QVERIFY(m_form->Panel4->isVisible());
        QVERIFY(!m_form->dtQSet->isOpen() && !m_form->dtCurrentSet->isOpen());
    }

    void userExam() {
        MessageBoxRecorder boxes;
        m_form->UserActExecute();
        QCOMPARE(boxes.records.size(), 1);
        QCOMPARE(boxes.records[0].text, QStringLiteral("User defined question set is empty!"));
        QCOMPARE(boxes.records[0].buttons, AppMessageBox::Buttons(AppMessageBox::Ok));
        QVERIFY(!m_form->dtUserSet->isOpen());

        m_form->dtUserSet->open();
        m_form->dtUserSet->insert();
        m_form->dtUserSet->setInteger(QStringLiteral("Q_SECT"), 2);
        m_form->dtUserSet->post();
        m_form->dtUserSet->close();
        startExam(&TTestForm::UserActExecute);
        QCOMPARE(m_form->Label3->text(), QStringLiteral("User Exam"));
        QCOMPARE(m_form->Label2->text(), QStringLiteral("Item ID: 1"));
        QVERIFY(!m_form->NoteButton->isVisible());
        boxes.answer(AppMessageBox::Yes);
        m_form->Button3->click();
        QVERIFY(!m_form->NoteButton->isHidden());
        m_form->dtUserSet->emptyTable();
    }

    void nameDialogPresets() {
        m_form->DefaultTime = 75;
        int shownMinutes = 0, offered = 0, preset = 0;
        bool countEnabled = true;
        startExam(&TTestForm::Action3Execute, [&](TNameForm& dialog) {
            shownMinutes = dialog.SpinEdit1->value();
            offered = dialog.SpinEdit2->maximum();
            preset = dialog.SpinEdit2->value();
            countEnabled = dialog.SpinEdit2->isEnabled();
        });
        QCOMPARE(shownMinutes, 75);
        QCOMPARE(offered, 280);
        QCOMPARE(preset, 280);
        QVERIFY(!countEnabled);
        QCOMPARE(m_name->windowTitle(), QStringLiteral("Begin Practice Exam C"));
        m_form->CloseCurrentExam();

        startExam(&TTestForm::RandActExecute, [&](TNameForm& dialog) {
            shownMinutes = dialog.SpinEdit1->value();
            countEnabled = dialog.SpinEdit2->isEnabled();
            dialog.SpinEdit1->setValue(45);
            dialog.SpinEdit2->setValue(12);
        });
        QCOMPARE(shownMinutes, 75); // the value last shown
        QVERIFY(countEnabled);
        QCOMPARE(m_form->LastRecNo, 12);
        QCOMPARE(m_form->TimeLabel->text(), QStringLiteral("0:45:00"));
        m_form->CloseCurrentExam();
        startExam(&TTestForm::RandActExecute,
                  [&](TNameForm& d) { shownMinutes = d.SpinEdit1->value(); });
        QCOMPARE(shownMinutes, 45);
        QCOMPARE(m_form->LastRecNo, 280);
        m_form->CloseCurrentExam();
        startExam(&TTestForm::AllQActExecute,
                  [&](TNameForm& d) { shownMinutes = d.SpinEdit1->value(); });
        QCOMPARE(shownMinutes, 75);

        // A bank without exam items offers none, and a later exam still needs at least one.
        QTemporaryDir retiredOnly;
        TestBank::writeTables(retiredOnly.path(), {TestBank::item(1, 0, 1)});
        QDir::setCurrent(retiredOnly.path());
        ItemStateArray noState;
        TTestForm emptyBankForm(noState);
        emptyBankForm.setDialogs(m_name.get(), m_progress.get(), nullptr);
        emptyBankForm.PrepareNameDialog(true);
        QCOMPARE(m_name->SpinEdit2->maximum(), 1);
        QDir::setCurrent(m_folder.path());
        m_form->PrepareNameDialog(true);
        QCOMPARE(m_name->SpinEdit2->minimum(), 1);
        QCOMPARE(m_name->SpinEdit2->maximum(), 280);
    }

    void clock() {
        MessageBoxRecorder boxes;
        startExam(&TTestForm::Action1Execute); // 90 minutes
        QVERIFY(m_form->TimeLabel->isVisible());
        QCOMPARE(m_form->TimeLabel->text(), QStringLiteral("1:30:00"));
        QVERIFY(m_form->Timer1->enabled());
        m_now += 1000;
        m_form->Timer1Timer();
        QCOMPARE(m_form->TimeLabel->text(), QStringLiteral("1:29:59"));
        // A tick that comes late, past the limit: zero, and one prompt. OK, or closing the
        // prompt by its title bar, goes on without a clock.
        for (const Button answer : {AppMessageBox::Ok, AppMessageBox::NoButton}) {
            if (m_form->ExamMode == TTestForm::NoExam)
                startExam(&TTestForm::Action1Execute);
            m_now += 95 * 60 * 1000;
            boxes.records.clear();
            boxes.answer(answer);
            m_form->Timer1Timer();
            QCOMPARE(m_form->TimeLabel->text(), QStringLiteral("0:00:00"));
            QCOMPARE(boxes.records.size(), 1);
            QCOMPARE(boxes.records[0].type, AppMessageBox::Type::Information);
            QCOMPARE(
                boxes.records[0].text,
                QStringLiteral("Your time has expired.\rDo you want continue the exam anyway?"));
            QCOMPARE(boxes.records[0].buttons, AppMessageBox::No | AppMessageBox::Ok);
            QVERIFY(!m_form->TimeLabel->isVisible());
            QVERIFY(!m_form->Timer1->enabled());
            QCOMPARE(m_form->ExamMode, TTestForm::Testing);
            m_form->CloseCurrentExam();
        }

        // A new exam counts from zero.
        startExam(&TTestForm::Action2Execute);
        m_now += 1000;
        m_form->Timer1Timer();
        QCOMPARE(m_form->TimeLabel->text(), QStringLiteral("1:29:59"));
        // No, then Cancel in the grading question: the exam goes on, the clock at zero.
        m_now += 90 * 60 * 1000;
        boxes.answer(AppMessageBox::No);
        boxes.answer(AppMessageBox::Cancel);
        m_form->Timer1Timer();
        QCOMPARE(
            boxes.records.last().text,
            QStringLiteral("This will end your practice exam.\rAre you sure to end this exam?"));
        QCOMPARE(m_form->ExamMode, TTestForm::Testing);
        QCOMPARE(m_form->TimeLabel->text(), QStringLiteral("0:00:00"));
        QVERIFY(!m_form->Timer1->enabled());
        m_form->CloseCurrentExam();

        m_form->TimerOn = false;
        startExam(&TTestForm::Action2Execute);
        QVERIFY(!m_form->TimeLabel->isVisible() && !m_form->Timer1->enabled());
    }

    void gradeCancelledKeepsTheExam() {
        MessageBoxRecorder boxes;
        startExam(&TTestForm::Action1Execute);
        m_form->NextButton->click();
        m_now += 5000;
        m_form->Timer1Timer();
        const QString shown = m_form->TimeLabel->text();
        QCOMPARE(shown, QStringLiteral("1:29:55"));

        boxes.answer(AppMessageBox::Cancel);
        m_form->GradeButton->click();
        QCOMPARE(boxes.records.size(), 1);
        QCOMPARE(boxes.records[0].type, AppMessageBox::Type::Confirmation);
        QCOMPARE(boxes.records[0].buttons, AppMessageBox::Ok | AppMessageBox::Cancel);
        QCOMPARE(m_form->ExamMode, TTestForm::Testing);
        QCOMPARE(m_form->Label1->text(), QStringLiteral("Item 2 of 56"));
        QVERIFY(m_form->ScrollBox1->isVisible());
        QCOMPARE(m_form->GradeButton->text(), QStringLiteral("Grade Now"));
        QVERIFY(m_form->TimeLabel->isVisible() && m_form->Timer1->enabled());
        QCOMPARE(m_form->TimeLabel->text(), shown);
        m_now += 1000; // and the clock goes on from where it was
        m_form->Timer1Timer();
        QCOMPARE(m_form->TimeLabel->text(), QStringLiteral("1:29:54"));

        boxes.answer(AppMessageBox::Ok);
        m_form->GradeButton->click();
        QCOMPARE(m_form->GradeButton->text(), QStringLiteral("Score Report"));
        QVERIFY(!m_form->ScrollBox1->isVisible() && !m_form->TimeLabel->isVisible());
        QVERIFY(!m_form->Timer1->enabled());
    }

    void examFileHeldByAnotherCopy() {
        QProcess holder;
        holder.start(QStringLiteral(TST_TABLE_EXE),
                     {QStringLiteral("--hold"), m_folder.filePath(Tables::CurrentExamFile)});
        QVERIFY(holder.waitForReadyRead(10000));
        MessageBoxRecorder boxes;
        m_form->dtCurrentSet->setLockRetry(LockRetry{2, 10});
        answerNameDialog(true);
        m_form->Action[0]->trigger(); // through the menu's error guard
        holder.closeWriteChannel();
        holder.waitForFinished(10000);
        QCOMPARE(boxes.records.size(), 1);
        QCOMPARE(boxes.records[0].type, AppMessageBox::Type::Error);
        QVERIFY2(boxes.records[0].text.contains(
                     QStringLiteral("is in use by another copy of the program")),
                 qPrintable(boxes.records[0].text));
        QCOMPARE(m_form->ExamMode, TTestForm::NoExam);
        QVERIFY(m_form->Panel4->isVisible());
    }
};

QTEST_MAIN(TestFormTest)
#include "tst_testform.moc"
