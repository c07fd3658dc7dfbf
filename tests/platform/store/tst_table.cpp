#include "BankFile.h"
#include "Sqlite.h"
#include "StoreError.h"
#include "Table.h"
#include "Tables.h"
#include "TestBank.h"

#include <sqlcipher/sqlite3.h>

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <iostream>

namespace {

// Exam numbers of the fixture bank, by Q_ID 1..8.
const QList<qint64> fixtureExams = {1, 2, 0, 2, 3, 2, 1, 0};

QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const StoreError& error) {
        return error.text();
    }
    return QString();
}

} // namespace

class TableTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    Session m_session{Tables::SessionName};

    QString path(const QString& name) const { return m_dir.filePath(name); }
    std::unique_ptr<Table> table(const TableDefinition& definition, const QString& file = {}) {
        auto t = std::make_unique<Table>(m_session, definition);
        t->setFilePath(path(file.isEmpty() ? definition.fileName : file));
        t->setLockRetry(LockRetry{2, 10});
        return t;
    }
    std::unique_ptr<Table> bank() { return table(Tables::questionBank()); }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_session.addPassword(Tables::Password);
        TestBank::writeTables(m_dir.path(), TestBank::items(8, fixtureExams));
    }

    void filterExpressions_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<int>("count"); // -1: refused
        QTest::newRow("equal") << "Q_EXAM_N=2" << 3;
        QTest::newRow("not equal") << "Q_EXAM_N<>0" << 6;
        QTest::newRow("case and blanks") << "  q_exam_n >= 2 " << 4;
        QTest::newRow("less") << "Q_EXAM_N<1" << 2;
        QTest::newRow("greater") << "Q_EXAM_N>2" << 1;
        QTest::newRow("less or equal") << "Q_EXAM_N<=1" << 4;
        QTest::newRow("empty is no filter") << "" << 8;
        QTest::newRow("no operator") << "Q_EXAM_N" << -1;
        QTest::newRow("injection") << "Q_EXAM_N=1 OR 1=1" << -1;
        QTest::newRow("quoted value") << "Q_EXAM_N='1'" << -1;
        QTest::newRow("statement") << "Q_EXAM_N=1; DELETE FROM records" << -1;
        QTest::newRow("double equals") << "Q_EXAM_N==1" << -1;
        QTest::newRow("no field") << "=1" << -1;
        QTest::newRow("unknown field") << "NOPE=1" << -1;
    }
    void filterExpressions() {
        QFETCH(QString, expression);
        QFETCH(int, count);
        for (bool setWhileOpen : {false, true}) {
            auto t = bank();
            t->setFiltered(true);
            const QString error = errorOf([&] {
                if (setWhileOpen)
                    t->open();
                t->setFilter(expression);
                t->open();
            });
            if (count < 0) {
                QVERIFY2(error.contains(u'"' + expression + u'"'), qPrintable(error));
                QVERIFY(error.contains(QStringLiteral("halvard.DAT")));
            } else {
                QVERIFY2(error.isEmpty(), qPrintable(error));
                QCOMPARE(t->recordCount(), count);
                QCOMPARE(t->isEmpty(), count == 0);
            }
        }
    }

    void recordNumbersIgnoreTheFilter() {
        auto t = bank();
        t->setFilter(QStringLiteral("Q_EXAM_N=2"));
        t->setFiltered(true);
        t->open();
        QList<int> numbers;
        for (t->first(); !t->eof(); t->next()) {
            numbers << t->recNo();
            QCOMPARE(t->integer(QStringLiteral("Q_ID")), qint64(t->recNo()));
        }
        QCOMPARE(numbers, (QList<int>{2, 4, 6}));
        t->setRecNo(4);
        QCOMPARE(t->integer(QStringLiteral("q_id")), 4);
        QVERIFY(!errorOf([&] { t->setRecNo(5); }).isEmpty()); // filtered out
        QVERIFY(t->findKey(6));
        QCOMPARE(t->recNo(), 6);
        QVERIFY(!t->findKey(7));
        // Turning filtering off shows the whole table at once.
        t->setFiltered(false);
        QCOMPARE(t->recordCount(), 8);
    }

    void endAndStartOfTable() {
        auto t = bank();
        t->open();
        t->open(); // opening twice changes nothing
        QVERIFY(t->bof() && !t->eof());
        QSignalSpy moves(t.get(), &Table::dataChanged);
        t->prior();
        QVERIFY(t->bof());
        QCOMPARE(t->recNo(), 1);
        QCOMPARE(moves.count(), 0);
        t->last();
        QCOMPARE(t->recNo(), 8);
        t->next();
        t->next();
        QVERIFY(t->eof());
        QCOMPARE(t->recNo(), 8);
        QCOMPARE(moves.count(), 1);
        t->prior();
        QCOMPARE(t->recNo(), 7);
        QVERIFY(!t->eof());
        t->close();
        t->close();
        QVERIFY(!t->isOpen());
    }

    void emptyingRenumbers() {
        auto exam = table(Tables::currentExam());
        for (bool openWhenEmptied : {true, false}) {
            exam->open();
            for (int i = 0; i < 3; ++i) {
                exam->append();
                exam->setInteger(QStringLiteral("Q_OR_NUMBER"), 10 + i);
                exam->post();
                QCOMPARE(exam->recNo(), exam->recordCount());
            }
            QVERIFY(exam->recordCount() >= 3);
            if (!openWhenEmptied)
                exam->close();
            exam->emptyTable();
            exam->open();
            QCOMPARE(exam->recordCount(), 0);
            exam->append();
            exam->setInteger(QStringLiteral("Q_OR_NUMBER"), 99);
            exam->post();
            exam->first();
            QCOMPARE(exam->recNo(), 1);
            QCOMPARE(exam->integer(QStringLiteral("Q_OR_NUMBER")), 99);
            exam->emptyTable();
            exam->close();
        }
    }

    void userSetNumbersItsItems() {
        auto users = table(Tables::userSet());
        users->open();
        QSignalSpy states(users.get(), &Table::stateChanged);
        for (int i = 0; i < 3; ++i) {
            users->insert();
            users->setText(QStringLiteral("Q_TEXT"), QStringLiteral("mine %1").arg(i));
            users->post();
            QCOMPARE(users->integer(QStringLiteral("Q_ID")), i + 1);
        }
        QCOMPARE(states.count(), 6); // browse -> insert -> browse, three times
        users->setRecNo(2);
        users->deleteRecord();
        QCOMPARE(users->recordCount(), 2);
        users->insert();
        users->post();
        QCOMPARE(users->integer(QStringLiteral("Q_ID")), 4); // ids are never reused
        QCOMPARE(users->recNo(), 3);
        // Edit and cancel keeps the stored value; edit and post changes it for good.
        users->first();
        users->edit();
        users->setText(QStringLiteral("Q_TEXT"), QStringLiteral("changed"));
        users->cancel();
        QCOMPARE(users->text(QStringLiteral("Q_TEXT")), QStringLiteral("mine 0"));
        users->edit();
        users->setText(QStringLiteral("Q_TEXT"), QStringLiteral("changed"));
        users->post();
        users->close();
        users->open();
        QCOMPARE(users->text(QStringLiteral("Q_TEXT")), QStringLiteral("changed"));
        // A field never written reads as empty, zero or false.
        users->last();
        QCOMPARE(users->text(QStringLiteral("Q_EXPL")), QString());
        QCOMPARE(users->integer(QStringLiteral("Q_SECT")), 0);
        QCOMPARE(users->boolean(QStringLiteral("A1")), false);
        users->emptyTable();
        QVERIFY(users->isEmpty());
        users->insert();
        users->post();
        QCOMPARE(users->integer(QStringLiteral("Q_ID")), 1);
        users->emptyTable();
    }

    // A COMMIT that fails (here: another reader keeps the file) must still let the rollback
    // undo the appends, in the file and in the table's own list of records.
    void failedCommitRollsBack() {
        auto users = table(Tables::userSet());
        users->open();
        const int before = users->recordCount();
        users->beginTransaction();
        for (int i = 0; i < 3; ++i) {
            users->insert();
            users->post();
        }
        SqliteConnection reader;
        QCOMPARE(reader.open(path(Tables::UserSetFile), false), SQLITE_OK);
        QCOMPARE(reader.key(Tables::Password), SQLITE_OK);
        QCOMPARE(sqlite3_exec(reader.handle(), "BEGIN; SELECT count(*) FROM records;", nullptr,
                              nullptr, nullptr),
                 SQLITE_OK);
        QVERIFY(!errorOf([&] { users->commit(); }).isEmpty());
        users->rollback();
        QCOMPARE(users->recordCount(), before);
        sqlite3_exec(reader.handle(), "COMMIT", nullptr, nullptr, nullptr);
        reader.close();
        // And the next transaction is a real one again.
        users->beginTransaction();
        users->insert();
        users->post();
        users->rollback();
        QCOMPARE(users->recordCount(), before);
        users->close();
        users->open();
        QCOMPARE(users->recordCount(), before);
        users->close();
    }

    void exclusiveOpenIsHeldAgainstAnotherProcess() {
        QProcess holder;
        holder.start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--hold"), path(Tables::CurrentExamFile)});
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("holding"));

        auto exam = table(Tables::currentExam());
        exam->setExclusive(true);
        const QString expected = QStringLiteral("is in use by another copy of the program");
        QVERIFY(errorOf([&] { exam->emptyTable(); }).contains(expected));
        const QString error = errorOf([&] { exam->open(); });
        QVERIFY2(error.contains(expected) && error.contains(QStringLiteral("ces.DAT")),
                 qPrintable(error));
        QVERIFY(!exam->isOpen());
        exam->setExclusive(false);
        QVERIFY(errorOf([&] { exam->open(); }).contains(expected));

        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(10000));
        exam->setExclusive(true);
        exam->open(); // free again once the other program has closed it
        QVERIFY(exam->isOpen());
    }

    void damagedFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("expected");
        const QString damaged = QStringLiteral("is damaged or is not a table of this program");
        QTest::newRow("missing") << "missing"
                                 << "does not exist";
        QTest::newRow("truncated") << "truncated" << damaged;
        QTest::newRow("random bytes") << "garbage" << damaged;
        QTest::newRow("empty file") << "empty" << damaged;
        QTest::newRow("plain SQLite") << "plain" << damaged;
        QTest::newRow("wrong password") << "wrongkey" << damaged;
        QTest::newRow("missing field") << "nofield"
                                       << "lacks the field Q_SIM";
        QTest::newRow("folder") << "folder"
                                << "is a folder";
    }
    void damagedFiles() {
        QFETCH(QString, kind);
        QFETCH(QString, expected);
        const QString file = path(kind + QStringLiteral(".DAT"));
        const QByteArray good = [&] {
            QFile in(path(Tables::QuestionBankFile));
            in.open(QIODevice::ReadOnly);
            return in.readAll();
        }();
        auto writeBytes = [&](const QByteArray& bytes) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(bytes);
        };
        if (kind == u"truncated") {
            writeBytes(good.left(good.size() / 2));
        } else if (kind == u"garbage") {
            QByteArray bytes(8192, '\0');
            for (int i = 0; i < bytes.size(); ++i)
                bytes[i] = char((i * 7919 + 13) % 251);
            writeBytes(bytes);
        } else if (kind == u"empty") {
            writeBytes(QByteArray());
        } else if (kind == u"plain") {
            SqliteConnection plain;
            QCOMPARE(plain.open(file, true), 0);
            SqliteStatement(plain, "CREATE TABLE records(Q_ID INTEGER)", {}).step();
        } else if (kind == u"wrongkey") {
            Table::createFile(file, Tables::questionBank(), QStringLiteral("not the password"));
        } else if (kind == u"nofield") {
            TableDefinition lacking = Tables::questionBank();
            lacking.fields.removeIf([](const FieldDefinition& f) { return f.name == u"Q_SIM"; });
            Table::createFile(file, lacking, Tables::Password);
        } else if (kind == u"folder") {
            QVERIFY(QDir().mkpath(file));
        }
        auto t = table(Tables::questionBank(), kind + QStringLiteral(".DAT"));
        const QString error = errorOf([&] {
            t->open();
            for (t->first(); !t->eof(); t->next())
                t->text(QStringLiteral("Q_TEXT"));
        });
        QVERIFY2(error.contains(expected), qPrintable(error));
        QVERIFY2(error.contains(kind + QStringLiteral(".DAT")), qPrintable(error));
        QVERIFY(!t->isOpen());
    }

    void readOnlyFile() {
        const QString file = path(QStringLiteral("readonly.DAT"));
        QFile::copy(path(Tables::UserSetFile), file);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        {
            QFile probe(file);
            if (probe.open(QIODevice::ReadWrite))
                QSKIP("this user can write read-only files (running as root)");
        }
        auto users = table(Tables::userSet(), QStringLiteral("readonly.DAT"));
        users->open();
        users->insert();
        const QString error = errorOf([&] { users->post(); });
        QVERIFY2(error.contains(QStringLiteral("is read-only")), qPrintable(error));
    }

    void filesHoldNoReadableText() {
        auto exam = table(Tables::currentExam());
        exam->open();
        exam->append();
        exam->setText(QStringLiteral("Q_TEXT"), QStringLiteral("Question number 5 of exam 3"));
        exam->post();
        exam->close();
        for (const QString& name :
             {Tables::QuestionBankFile, Tables::CurrentExamFile, Tables::UserSetFile}) {
            QFile in(path(name));
            QVERIFY(in.open(QIODevice::ReadOnly));
            const QByteArray bytes = in.readAll();
            QVERIFY(!bytes.isEmpty());
            for (const char* needle :
                 {"Question number", "Because bravo", "Q_TEXT", "SQLite format"})
                QVERIFY2(!bytes.contains(needle), qPrintable(name + QLatin1String(needle)));
        }
        table(Tables::currentExam())->emptyTable();
    }
};

int main(int argc, char* argv[]) {
    // As a second program holding the current-exam file exclusively until its input closes.
    if (argc == 3 && qstrcmp(argv[1], "--hold") == 0) {
        QCoreApplication app(argc, argv);
        Session session(Tables::SessionName);
        session.addPassword(Tables::Password);
        Table exam(session, Tables::currentExam());
        exam.setFilePath(QString::fromLocal8Bit(argv[2]));
        exam.setExclusive(true);
        exam.open();
        std::cout << "holding" << std::endl;
        std::string line;
        while (std::getline(std::cin, line)) {
        }
        return 0;
    }
    QCoreApplication app(argc, argv);
    TableTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_table.moc"
