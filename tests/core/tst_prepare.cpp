#include "ExamDraw.h"
#include "PrepareUnit.h"
#include "StoreError.h"
#include "Table.h"
#include "Tables.h"
#include "TestBank.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

class RecordingProgress : public PreparationProgress {
public:
    void begin() override { ++begun; }
    void setMaximum(int m) override { maximum = m; }
    void setPosition(int p) override { highest = std::max(highest, p); }
    void end() override { ++ended; }
    int begun = 0, ended = 0, maximum = -1, highest = -1;
};

} // namespace

class PrepareTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    Session m_session{Tables::SessionName};
    std::unique_ptr<Table> m_bank, m_exam, m_users;

    // 60 items: 40 of exam C (3), 15 of exam A (1), 5 retired (0).
    static QVector<BankItem> fixture() {
        QVector<BankItem> items;
        for (int id = 1; id <= 60; ++id)
            items.append(TestBank::item(id, id % 12 == 0 ? 0 : (id % 4 == 1 ? 1 : 3), id % 6 + 1));
        items[8].memo = QStringLiteral("my note on nine");
        items[8].simulation = QStringLiteral("SIM1");
        items[8].picture1 = QStringLiteral("one.bmp");
        return items;
    }

    std::unique_ptr<Table> open(const TableDefinition& d) {
        auto t = std::make_unique<Table>(m_session, d);
        t->setFilePath(m_dir.filePath(d.fileName));
        return t;
    }

    void filterBank(const QString& filter) {
        m_bank->close();
        m_bank->setFilter(filter);
        m_bank->setFiltered(true);
        m_bank->open();
    }

    // The Q_OR_NUMBERs of the exam in record order, checking the numbering on the way.
    QList<qint64> examItems() {
        QList<qint64> ids;
        int expected = 1;
        for (m_exam->first(); !m_exam->eof(); m_exam->next()) {
            if (m_exam->recNo() != expected++)
                qWarning() << "record number" << m_exam->recNo() << "out of order";
            ids << m_exam->integer(QStringLiteral("Q_OR_NUMBER"));
        }
        return ids;
    }

private slots:
    void initTestCase() {
        m_session.addPassword(Tables::Password);
        TestBank::writeTables(m_dir.path(), fixture());
    }
    void init() {
        m_bank = open(Tables::questionBank());
        m_exam = open(Tables::currentExam());
        m_users = open(Tables::userSet());
    }
    void cleanup() { m_bank.reset(), m_exam.reset(), m_users.reset(); }

    void practiceExamHoldsEachItemOnce() {
        filterBank(QStringLiteral("Q_EXAM_N=3"));
        RecordingProgress progress;
        const ExamRange range = PrepareExamSet(*m_bank, *m_exam, &progress);
        QCOMPARE(range.FirstRecNo, 1);
        QCOMPARE(range.LastRecNo, 40);
        const QList<qint64> ids = examItems();
        QCOMPARE(ids.size(), 40);
        QCOMPARE(QSet<qint64>(ids.begin(), ids.end()).size(), 40);
        for (qint64 id : ids)
            QVERIFY(id % 12 != 0 && id % 4 != 1);
        QCOMPARE(progress.begun, 1);
        QCOMPARE(progress.ended, 1);
        QCOMPARE(progress.maximum, 40);
        QCOMPARE(progress.highest, 39);
        QVERIFY(m_exam->exclusive());
        // A second preparation leaves nothing of the first and draws another order.
        m_exam->close();
        filterBank(QStringLiteral("Q_EXAM_N=1"));
        PrepareExamSet(*m_bank, *m_exam, nullptr);
        QCOMPARE(examItems().size(), 15);
        m_exam->close();
        filterBank(QStringLiteral("Q_EXAM_N=3"));
        PrepareExamSet(*m_bank, *m_exam, nullptr);
        QVERIFY(examItems() != ids); // 1 in 40! to fail by chance
    }

    void randomExamDrawsFromExamItemsOnly_data() {
        QTest::addColumn<int>("picks");
        QTest::newRow("one") << 1;
        QTest::newRow("some") << 17;
        QTest::newRow("all") << 55;
    }
    void randomExamDrawsFromExamItemsOnly() {
        QFETCH(int, picks);
        filterBank(QStringLiteral("Q_EXAM_N<>0"));
        const ExamRange range = PrepareRandomSet(*m_bank, *m_exam, picks, nullptr);
        QCOMPARE(range.LastRecNo, picks);
        const QList<qint64> ids = examItems();
        QCOMPARE(QSet<qint64>(ids.begin(), ids.end()).size(), picks);
        for (qint64 id : ids)
            QVERIFY2(id % 12 != 0, "a retired item was drawn");
    }

    void copiesEveryFieldOfTheBank() {
        filterBank(QStringLiteral("Q_EXAM_N=1"));
        PrepareExamSet(*m_bank, *m_exam, nullptr);
        bool seen = false;
        for (m_exam->first(); !m_exam->eof(); m_exam->next()) {
            if (m_exam->integer(QStringLiteral("Q_OR_NUMBER")) != 9)
                continue;
            seen = true;
            QCOMPARE(m_exam->text(QStringLiteral("U_MEMO")), QStringLiteral("my note on nine"));
            QCOMPARE(m_exam->text(QStringLiteral("Q_SIM")), QStringLiteral("SIM1"));
            QCOMPARE(m_exam->text(QStringLiteral("PICT1")), QStringLiteral("one.bmp"));
            QCOMPARE(m_exam->integer(QStringLiteral("Q_EXAM_N")), 1);
            QCOMPARE(m_exam->integer(QStringLiteral("Q_SECT")), 4);
            QCOMPARE(m_exam->text(QStringLiteral("Q2")), QStringLiteral("bravo"));
            QVERIFY(m_exam->boolean(QStringLiteral("A2")) &&
                    !m_exam->boolean(QStringLiteral("A1")));
            QCOMPARE(m_exam->text(QStringLiteral("Q_TEXT")),
                     QStringLiteral("Question number 9 of exam 1"));
        }
        QVERIFY(seen);
    }

    void userExamCopiesTheUserSet() {
        m_users->open();
        for (int i = 0; i < 3; ++i) {
            m_users->insert();
            m_users->setInteger(QStringLiteral("Q_SECT"), 4);
            m_users->setText(QStringLiteral("Q_TEXT"), QStringLiteral("own %1").arg(i));
            m_users->setText(QStringLiteral("U_MEMO"), QStringLiteral("memo %1").arg(i));
            m_users->setInteger(QStringLiteral("A3"), 2); // any other value than 0 is true
            m_users->post();
        }
        m_users->setRecNo(2);
        m_users->deleteRecord(); // ids 1 and 3 remain
        const ExamRange range = PrepareUserSet(*m_users, *m_exam, nullptr);
        QCOMPARE(range.LastRecNo, 2);
        QList<qint64> ids = examItems();
        std::sort(ids.begin(), ids.end());
        QCOMPARE(ids, (QList<qint64>{1, 3}));
        for (m_exam->first(); !m_exam->eof(); m_exam->next()) {
            const qint64 id = m_exam->integer(QStringLiteral("Q_OR_NUMBER"));
            QCOMPARE(m_exam->text(QStringLiteral("U_MEMO")), QStringLiteral("memo %1").arg(id - 1));
            for (const char* empty : {"Q_SIM", "PICT1", "PICT2", "Q_EXAM_N"})
                QVERIFY2(m_exam->value(QString::fromLatin1(empty)).isNull(), empty);
            // Copied fields are stored in their own form, never as empty values.
            QCOMPARE(m_exam->value(QStringLiteral("A3")).toLongLong(), 1);
            for (const char* zero : {"A1", "Q_TYPE"})
                QCOMPARE(m_exam->value(QString::fromLatin1(zero)), QVariant(qint64(0)));
            QCOMPARE(m_exam->value(QStringLiteral("Q_EXPL")), QVariant(QStringLiteral("")));
        }
        m_users->emptyTable();
    }

    void itemStateIsSizedAndCleared() {
        ItemStateArray state(70);
        state[3].Marked = state[3].Choice2 = state[3].Correct = true;
        filterBank(QStringLiteral("Q_EXAM_N=1"));
        PrepareExamSet(*m_bank, *m_exam, nullptr);
        ResetItemState(*m_exam, state);
        QCOMPARE(state.size(), std::size_t(15));
        QVERIFY(m_exam->eof());
        for (m_exam->first(); !m_exam->eof(); m_exam->next()) {
            const ItemState& s = state[std::size_t(m_exam->recNo() - 1)];
            QCOMPARE(s.Section, qint32(m_exam->integer(QStringLiteral("Q_SECT"))));
            for (int c = 0; c < 6; ++c)
                QVERIFY(!s.choice(c));
            QVERIFY(!s.Marked && !s.Correct);
        }
    }

    void emptyFilterGivesEmptyExam() {
        filterBank(QStringLiteral("Q_EXAM_N=5"));
        ItemStateArray state(4);
        const ExamRange range = PrepareExamSet(*m_bank, *m_exam, nullptr);
        ResetItemState(*m_exam, state);
        QCOMPARE(range.LastRecNo, 0);
        QCOMPARE(m_exam->recordCount(), 0);
        QVERIFY(state.empty());
    }

    void failedPreparationClosesTheProgressWindow() {
        filterBank(QStringLiteral("Q_EXAM_N=3"));
        m_exam->setFilePath(m_dir.filePath(QStringLiteral("absent.DAT")));
        RecordingProgress progress;
        QVERIFY_THROWS_EXCEPTION(StoreError, PrepareExamSet(*m_bank, *m_exam, &progress));
        QCOMPARE(progress.ended, 1);
    }

    void drawIsUniformAndBounded() {
        std::mt19937_64 random(42);
        // More picks than candidates draws what exists instead of looping for ever.
        QCOMPARE(DrawItems({5, 6}, 3, random).size(), std::size_t(2));
        QVERIFY(DrawItems({}, 1, random).empty());
        // Every candidate is equally likely in every place.
        int firstPlace[4] = {};
        for (int round = 0; round < 8000; ++round)
            ++firstPlace[DrawItems({0, 1, 2, 3}, 4, random)[0]];
        for (int count : firstPlace)
            QVERIFY2(count > 1800 && count < 2200, qPrintable(QString::number(count)));
    }
};

QTEST_GUILESS_MAIN(PrepareTest)
#include "tst_prepare.moc"
