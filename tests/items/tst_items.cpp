#include "ActWhen.h"
#include "ItemArea.h"
#include "MessageBoxRecorder.h"
#include "NameUnit.h"
#include "OutlinedLabel.h"
#include "ProgressUnit.h"
#include "ScoreUnit.h"
#include "Startup.h"
#include "TestBank.h"
#include "TestUnit.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Exam A of the fixture, by Q_ID.
enum : qint64 {
    SingleB = 1,
    MultipleAC = 2,
    BothExhibits = 3,
    SecondExhibit = 4,
    Simulation = 5,
    Long = 6
};

QVector<BankItem> fixture(const QString& folder) {
    QVector<BankItem> items;
    for (qint64 id = 1; id <= 6; ++id)
        items.append(TestBank::item(id, 1, 1));
    items[MultipleAC - 1].multiple = true;
    items[MultipleAC - 1].key = QStringLiteral("AC");
    items[BothExhibits - 1].picture1 = QStringLiteral("one.bmp");
    items[BothExhibits - 1].picture2 = QStringLiteral("two.bmp");
    items[SecondExhibit - 1].picture2 = QStringLiteral("two.bmp");
    items[Simulation - 1].simulation = QStringLiteral("SIM1");
    BankItem& longItem = items[Long - 1];
    longItem.text = QString(QStringLiteral("A long question that wraps. ")).repeated(20) +
                    QStringLiteral("\nSecond line.");
    for (int n = 0; n < 6; ++n)
        longItem.choices[n] = QString(QStringLiteral("choice %1 is long. ").arg(n)).repeated(8);
    longItem.key = QStringLiteral("F");
    longItem.explanation = QString(QStringLiteral("Explained at length. ")).repeated(30);
    for (const char* name : {"one.bmp", "two.bmp"}) {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.save(QDir(folder).filePath(QString::fromLatin1(name)));
    }
    return items;
}

} // namespace

class ItemsTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    ItemStateArray m_state;
    std::unique_ptr<TTestForm> m_form;
    std::unique_ptr<TNameForm> m_name;
    std::unique_ptr<TProgressForm> m_progress;

    ItemArea& area() { return *m_form->Item; }
    ItemState& state() { return *m_form->currentItemState(); }

    void goToItem(qint64 id) {
        Table& exam = *m_form->dtCurrentSet;
        for (exam.first(); !exam.eof(); exam.next())
            if (exam.integer(QStringLiteral("Q_OR_NUMBER")) == id)
                return;
        QFAIL("no such item");
    }
    int bottomOf(QWidget* w) { return w->geometry().bottom() + 1; }
    // The question spans the visible width, whether or not this item (or the one before)
    // needs a scroll bar.
    void checkQuestionWidth() {
        const int visible = m_form->ScrollBox1->viewport()->width();
        QCOMPARE(area().QPanel->width(), visible);
        QCOMPARE(area().Shape1->width(), visible);
        QCOMPARE(area().QText->width(), visible - 16);
    }

    void checkPositions() {
        goToItem(BothExhibits);
        const int panelBottom = bottomOf(area().QPanel);
        QCOMPARE(area().ExhBtnA->pos(), QPoint(1, panelBottom + 2));
        QCOMPARE(area().ExhBtnB->pos(), QPoint(96, panelBottom + 2));
        QVERIFY(!area().ExhBtnA->isHidden() && !area().ExhBtnB->isHidden() &&
                area().SPButton->isHidden());
        QCOMPARE(area().ALabel[0]->y(), panelBottom + 42);
        for (int n = 0; n < 4; ++n) {
            QVERIFY(!area().ALabel[n]->isHidden() && !area().RadioButton[n]->isHidden());
            QVERIFY(area().CheckBox[n]->isHidden());
            QCOMPARE(area().RadioButton[n]->pos(), QPoint(40, area().ALabel[n]->y()));
            QCOMPARE(area().ALabel[n]->x(), 80);
            if (n > 0)
                QCOMPARE(area().ALabel[n]->y(), bottomOf(area().ALabel[n - 1]) + 15);
        }
        for (int n = 4; n < 6; ++n)
            QVERIFY(area().ALabel[n]->isHidden() && area().RadioButton[n]->isHidden());
        QCOMPARE(area().ExpText->y(), bottomOf(area().ALabel[3]) + 40);
        QCOMPARE(area().ExpText->width(), m_form->ScrollBox1->width() - 38);

        goToItem(SecondExhibit);
        QVERIFY(area().ExhBtnA->isHidden() && !area().ExhBtnB->isHidden());
        QCOMPARE(area().ExhBtnB->x(), 96);
        goToItem(Simulation);
        QVERIFY(!area().SPButton->isHidden());
        QCOMPARE(area().SPButton->x(), 4);

        // Long texts wrap within the area, each choice narrower than area width - 110.
        goToItem(Long);
        QVERIFY(area().QText->height() > 3 * area().QText->fontMetrics().height());
        for (int n = 0; n < 6; ++n)
            QVERIFY(area().ALabel[n]->width() <= m_form->ScrollBox1->width() - 110);
        QCOMPARE(area().ExpText->y(), bottomOf(area().ALabel[5]) + 40);
        QCOMPARE(m_form->ScrollBox1->verticalScrollBar()->value(), 0);
    }

private slots:
    void initTestCase() {
        Startup::substituteFonts();
        TestBank::writeTables(m_folder.path(), fixture(m_folder.path()));
    }
    void init() {
        QDir::setCurrent(m_folder.path());
        m_form = std::make_unique<TTestForm>(m_state);
        m_name = std::make_unique<TNameForm>();
        m_progress = std::make_unique<TProgressForm>();
        m_form->setDialogs(m_name.get(), m_progress.get(), nullptr);
        m_form->setWindowState(Qt::WindowNoState);
        m_form->resize(1024, 768);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        ActWhen(
            m_name.get(), [this] { return m_name->isVisible(); },
            [this] { m_name->BitBtn1->click(); });
        m_form->Action1Execute();
    }
    void cleanup() {
        m_form->CloseCurrentExam();
        m_form.reset();
        m_name.reset();
        m_progress.reset();
    }

    void positions() { checkPositions(); }
    void questionSpansTheVisibleWidth() {
        m_form->resize(760, 475);
        QTest::qWait(20);
        for (const qint64 id : {SingleB, Long, SingleB}) {
            goToItem(id);
            QCOMPARE(m_form->ScrollBox1->verticalScrollBar()->isVisible(), id == Long);
            checkQuestionWidth();
        }
    }
    void positionsAfterNarrowing() {
        m_form->resize(760, 600);
        QTest::qWait(20);
        checkPositions();
    }

    // Moving on or resizing rebuilds the item; a keyboard user's focus stays on the choices
    // (Space must not mark the item instead).
    void focusStaysOnTheChoices() {
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        goToItem(SingleB);
        area().RadioButton[1]->setFocus();
        m_form->resize(900, 700);
        QTest::qWait(20);
        QCOMPARE(QApplication::focusWidget(), area().RadioButton[1]);
        goToItem(MultipleAC);
        QCOMPARE(QApplication::focusWidget(), area().CheckBox[0]);
        QCOMPARE(area().CheckBox[0]->accessibleDescription(),
                 m_form->dtCurrentSet->text(QStringLiteral("Q1")));
    }

    void singleResponse() {
        goToItem(SingleB);
        struct Step {
            int choice;
            bool correct;
        };
        for (const Step step : {Step{0, false}, Step{1, true}, Step{2, false}}) {
            QTest::mouseClick(area().ALabel[step.choice], Qt::LeftButton, {}, QPoint(2, 2));
            for (int n = 0; n < 6; ++n)
                QCOMPARE(state().choice(n), n == step.choice);
            QCOMPARE(state().Correct, step.correct);
        }
        // The text of the selected choice again changes nothing.
        QTest::mouseClick(area().ALabel[2], Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(state().Choice3 && !state().Correct);
    }

    void multipleResponse() {
        goToItem(MultipleAC);
        struct Step {
            int choice;
            bool correct;
        };
        for (const Step step : {Step{0, false}, Step{2, true}, Step{3, false}, Step{3, true}}) {
            area().CheckBox[step.choice]->click();
            QCOMPARE(state().Correct, step.correct);
        }
        QVERIFY(state().Choice1 && state().Choice3 && !state().Choice4);
        // A choice's text clicked twice leaves it as it was.
        QTest::mouseClick(area().ALabel[1], Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(state().Choice2 && area().CheckBox[1]->isChecked());
        QTest::mouseClick(area().ALabel[1], Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!state().Choice2 && !area().CheckBox[1]->isChecked());
        QVERIFY(state().Correct);
    }

    void setByCodeIsRecorded() {
        // As a screen reader's toggle action would: no click, only a change of state.
        goToItem(SingleB);
        area().RadioButton[1]->setChecked(true);
        QVERIFY(state().Choice2 && state().Correct);
        goToItem(MultipleAC);
        area().CheckBox[0]->setChecked(true);
        area().CheckBox[2]->setChecked(true);
        QVERIFY(state().Choice1 && state().Choice3 && state().Correct);
    }

    void revisitingRestoresWithoutChanging() {
        goToItem(SingleB);
        area().RadioButton[1]->setChecked(true);
        m_form->MarkBox->setChecked(true);
        const ItemState before = state();
        goToItem(MultipleAC);
        QVERIFY(!m_form->MarkBox->isChecked());
        QVERIFY(!area().RadioButton[1]->isVisible());
        goToItem(SingleB);
        QVERIFY(m_form->MarkBox->isChecked() && area().RadioButton[1]->isChecked());
        QCOMPARE(std::memcmp(&before, &state(), sizeof(ItemState)), 0);
        QVERIFY(state().Correct); // marking never changes it
    }

    void learnNowLastsUntilTheNextMove() {
        goToItem(MultipleAC);
        area().CheckBox[1]->setChecked(true);
        m_form->LearnButtonClick();
        QVERIFY(!area().ExpText->isHidden());
        QCOMPARE(area().ALabel[0]->palette().color(QPalette::Window), QColor(0, 255, 255));
        QCOMPARE(area().ALabel[1]->palette().color(QPalette::Window), QColor(255, 255, 255));
        m_form->resize(900, 700); // a resize keeps it
        QTest::qWait(20);
        QVERIFY(!area().ExpText->isHidden());
        QCOMPARE(area().ALabel[2]->palette().color(QPalette::Window), QColor(0, 255, 255));
        const int r = m_form->dtCurrentSet->recNo();
        m_form->dtCurrentSet->setRecNo(r == 1 ? 2 : r - 1);
        m_form->dtCurrentSet->setRecNo(r);
        QVERIFY(area().ExpText->isHidden());
        for (int n = 0; n < 6; ++n)
            QCOMPARE(area().ALabel[n]->palette().color(QPalette::Window), QColor(255, 255, 255));
        QVERIFY(state().Choice2 && area().CheckBox[1]->isChecked());
    }

    void choicesFromTheKeyboard() {
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        goToItem(SingleB);
        QTest::keyClick(m_form->windowHandle(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(state().Choice3);
        // Alt+F answers choice f while the item has one, instead of opening "&File".
        goToItem(Long);
        QCOMPARE(m_form->FileMenu->title(), QStringLiteral("File"));
        QTest::keyClick(m_form->windowHandle(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(state().Choice6 && state().Correct);
        QVERIFY(!m_form->FileMenu->isVisible());
        goToItem(SingleB);
        QCOMPARE(m_form->FileMenu->title(), QStringLiteral("&File"));
    }

    void viewAnswersShowsItemOneInReview() {
        TScoreForm score(m_form.get());
        m_form->setScoreDisplay(&score);
        m_form->dtCurrentSet->last();
        score.showFigures(ComputeScoreFigures(m_state), QStringLiteral("t"));
        score.BitBtn1Click();
        QCOMPARE(m_form->ExamMode, TTestForm::Reviewing);
        QCOMPARE(m_form->dtCurrentSet->recNo(), 1);
        QCOMPARE(m_form->Label1->text(), QStringLiteral("Item 1 of 6"));
        QVERIFY(!area().ExpText->isHidden());
        QVERIFY(!m_form->CorrectLabel->isHidden() && !m_form->ReviewLabel->isHidden());
        QVERIFY(m_form->MarkBox->isHidden() && m_form->TimeLabel->isHidden());
        QVERIFY(!m_form->LearnButton->isEnabled());
        QCOMPARE(m_form->CorrectLabel->text(), QStringLiteral("Incorrect"));

        // In review the grade button shows the same figures again without a question, and
        // View Answers goes back to item 1.
        const QString scoreLine = score.TotalLabel->text();
        MessageBoxRecorder boxes;
        m_form->NextButton->click();
        QTimer::singleShot(0, &score, [&] {
            QVERIFY(score.isVisible());
            score.BitBtn1->click();
        });
        m_form->GradeButton->click();
        QVERIFY(boxes.records.isEmpty());
        QVERIFY(!score.isVisible());
        QCOMPARE(score.TotalLabel->text(), scoreLine);
        QCOMPARE(m_form->ExamMode, TTestForm::Reviewing);
        QCOMPARE(m_form->dtCurrentSet->recNo(), 1);
        m_form->setScoreDisplay(nullptr);
    }

    void reviewChangesNothing() {
        goToItem(SingleB);
        area().RadioButton[0]->setChecked(true); // wrong
        m_form->ExamMode = TTestForm::Reviewing;
        goToItem(SingleB);
        QCOMPARE(m_form->CorrectLabel->text(), QStringLiteral("Incorrect"));
        QCOMPARE(m_form->CorrectLabel->color(), QColor(255, 0, 0));
        QVERIFY(!area().ExpText->isHidden());
        QCOMPARE(area().ALabel[1]->palette().color(QPalette::Window), QColor(0, 255, 255));
        QVERIFY(area().RadioButton[0]->isChecked());
        QTest::mouseClick(area().ALabel[1], Qt::LeftButton, {}, QPoint(2, 2));
        area().RadioButton[2]->click();
        QVERIFY(area().RadioButton[0]->isChecked() && state().Choice1 && !state().Choice2 &&
                !state().Choice3);
        // Never answered reads "Incorrect"; answered right reads "Correct" in blue.
        goToItem(MultipleAC);
        QCOMPARE(m_form->CorrectLabel->text(), QStringLiteral("Incorrect"));
        area().CheckBox[0]->click();
        QVERIFY(!area().CheckBox[0]->isChecked() && !state().Choice1);
        m_form->ExamMode = TTestForm::Testing;
        goToItem(SingleB);
        area().RadioButton[1]->setChecked(true);
        m_form->ExamMode = TTestForm::Reviewing;
        goToItem(SingleB);
        QCOMPARE(m_form->CorrectLabel->text(), QStringLiteral("Correct"));
        QCOMPARE(m_form->CorrectLabel->color(), QColor(0, 0, 255));
    }
};

QTEST_MAIN(ItemsTest)
#include "tst_items.moc"
