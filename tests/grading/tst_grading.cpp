#include "ActWhen.h"
#include "MessageBoxRecorder.h"
#include "ScoreFigures.h"
#include "ScoreUnit.h"
#include "Startup.h"
#include "TestUnit.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// `correct` of `count` items, all in one section.
ItemStateArray exam(int correct, int count, int section = 1) {
    ItemStateArray items(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        items[std::size_t(i)].Section = section;
        items[std::size_t(i)].Correct = i < correct;
    }
    return items;
}

} // namespace

class GradingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Startup::substituteFonts(); }

    void figures_data() {
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<int>("percent");
        QTest::newRow("51/60 passes at 850") << 51 << 60 << 850 << "Pass" << 85;
        QTest::newRow("130/153 rounds up but fails") << 130 << 153 << 850 << "Fail" << 85;
        QTest::newRow("1/16 half to even") << 1 << 16 << 62 << "Fail" << 6;
        QTest::newRow("3/16 half to even") << 3 << 16 << 188 << "Fail" << 19;
        QTest::newRow("all correct") << 20 << 20 << 1000 << "Pass" << 100;
        QTest::newRow("none correct") << 0 << 5 << 0 << "Fail" << 0;
        QTest::newRow("1/8") << 1 << 8 << 125 << "Fail" << 12;
        QTest::newRow("3/8") << 3 << 8 << 375 << "Fail" << 38;
        QTest::newRow("2/3") << 2 << 3 << 667 << "Fail" << 67;
        QTest::newRow("no items") << 0 << 0 << 0 << "Fail" << 0;
    }
    void figures() {
        QFETCH(int, correct);
        QFETCH(int, count);
        QFETCH(int, shown);
        QFETCH(QString, grade);
        QFETCH(int, percent);
        const ScoreFigures f = ComputeScoreFigures(exam(correct, count, 4));
        QCOMPARE(f.displayedScore(), shown);
        QCOMPARE(f.grade(), grade);
        QCOMPARE(f.sections[4].percent(), percent);
        QCOMPARE(f.sections[4].label(4),
                 QStringLiteral("Connectivity (%1/%2) ").arg(correct).arg(count));
        QCOMPARE(f.sections[1].label(1), QStringLiteral("Planning (0/0) "));
        QCOMPARE(f.sections[1].percent(), 0);
        QCOMPARE(f.scoreLine(), QStringLiteral("Passing Score: 850   Your Score: %1   Grade: %2")
                                    .arg(shown)
                                    .arg(grade));
    }

    void windowAndReport() {
        ItemStateArray state = exam(12, 20, 4);
        TTestForm testForm(state);
        TScoreForm score(&testForm);
        score.showFigures(
            ComputeScoreFigures(state),
            ReportTitleLine(QStringLiteral("Ann Lee"), QStringLiteral("Practice Exam A")));
        QCOMPARE(ReportTitleLine(QStringLiteral("Ann Lee"), QStringLiteral("Practice Exam A")),
                 QStringLiteral("Ann Lee,  Tarnwick,  Practice Exam A"));
        // Total: "Your score" first (drawn at the bottom), then "Required score".
        const BarChartData& total = score.TotalChart->data();
        QCOMPARE(total.bars.size(), 2);
        QCOMPARE(total.bars[0].label, QStringLiteral("Your score"));
        QCOMPARE(total.bars[0].value, 600.0);
        QCOMPARE(total.bars[0].color, QColor(0, 128, 0));
        QCOMPARE(total.bars[1].value, 850.0);
        QCOMPARE(total.bars[1].color, QColor(0, 0, 255));
        // Sections 6 down to 1, so section 1 reads at the top; the report has the same.
        const BarChartData& sections = score.Chart1->data();
        QCOMPARE(sections.bars.size(), 6);
        QCOMPARE(sections.bars[2].label, QStringLiteral("Connectivity (12/20) "));
        QCOMPARE(sections.bars[2].value, 60.0);
        QCOMPARE(sections.bars[5].label, QStringLiteral("Planning (0/0) "));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(score.ppTeeChart2.bars[i].label, sections.bars[i].label);
        // A second grading replaces, never adds.
        score.showFigures(ComputeScoreFigures(state), QStringLiteral("x"));
        QCOMPARE(score.TotalChart->data().bars.size(), 2);
        QCOMPARE(score.Chart1->data().bars.size(), 6);

        // The printed page, read back from PDF.
        score.showFigures(
            ComputeScoreFigures(state),
            ReportTitleLine(QStringLiteral("Ann Lee"), QStringLiteral("Practice Exam A")));
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        QVERIFY(score.ppReport1.writePdf(pdf));
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        // pdftotext gives runs of blanks as one; compare with blanks simplified.
        const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        for (const QString& expected :
             {QStringLiteral("Mirelle"), QStringLiteral("Ann Lee,  Tarnwick,  Practice Exam A"),
              QStringLiteral("Examination Score Report"),
              QStringLiteral("Passing Score: 850   Your Score: 600   Grade: Fail"),
              QLocale().toString(QDate::currentDate(), QLocale::ShortFormat),
              QStringLiteral("Tarnwick")})
            QVERIFY2(page.contains(expected.simplified()),
                     qPrintable(expected + QStringLiteral(" not in:\n") + page));
        int last = -1;
        for (int s = 1; s <= 6; ++s) {
            const int at = page.indexOf(
                ComputeScoreFigures(state).sections[std::size_t(s)].label(s).trimmed());
            QVERIFY2(at > last, qPrintable(QStringLiteral("section %1 out of order").arg(s)));
            last = at;
        }
    }

    // Print Report goes through the print dialog: Cancel prints nothing; Print writes the one
    // page to the printer chosen there (here a PDF file), and says so when it cannot.
    void printDialog() {
        QTemporaryDir dir;
        ItemStateArray state = exam(3, 8);
        TTestForm testForm(state);
        TScoreForm score(&testForm);
        score.showFigures(ComputeScoreFigures(state), QStringLiteral("Ann Lee"));
        score.show();
        MessageBoxRecorder boxes;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        const QString unwritable = dir.filePath(QStringLiteral("missing/report.pdf"));
        for (const QString& target : {QString(), pdf, unwritable}) {
            QString docName;
            auto printDialog = [] {
                return qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            };
            ActWhen(
                &score, [&] { return printDialog() != nullptr; },
                [&] {
                    QPrintDialog* dialog = printDialog();
                    docName = dialog->printer()->docName();
                    if (target.isEmpty()) {
                        dialog->reject();
                        return;
                    }
                    dialog->accept(); // takes the dialog's settings; then the file we choose
                    dialog->printer()->setOutputFileName(target);
                });
            score.BitBtn2->click();
            QCOMPARE(docName, QStringLiteral("Score Report"));
            QVERIFY(score.isVisible());
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("report.pdf")});
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(info.waitForFinished(30000));
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))),
                 qPrintable(text));
        QCOMPARE(boxes.records.size(), 1); // only the unwritable file
        QCOMPARE(boxes.records[0].type, AppMessageBox::Type::Error);
        QVERIFY2(boxes.records[0].text.contains(unwritable), qPrintable(boxes.records[0].text));
    }

    void exitExamAsks() {
        ItemStateArray state;
        TTestForm testForm(state);
        TScoreForm score(&testForm);
        testForm.ExamMode = TTestForm::Testing;
        MessageBoxRecorder boxes;
        boxes.answer(AppMessageBox::No);
        score.show();
        score.BitBtn3Click();
        QVERIFY(score.isVisible());
        QCOMPARE(testForm.ExamMode, TTestForm::Testing);
        QCOMPARE(boxes.records[0].text, QStringLiteral("Are you sure you wish to end this exam?"));
        QVERIFY(!score.close()); // no other way out
        boxes.answer(AppMessageBox::Yes);
        score.BitBtn3Click();
        QVERIFY(!score.isVisible());
        QCOMPARE(testForm.ExamMode, TTestForm::NoExam);
    }
};

QTEST_MAIN(GradingTest)
#include "tst_grading.moc"
