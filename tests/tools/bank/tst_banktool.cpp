#include "BankFile.h"
#include "BankSource.h"
#include "StoreError.h"
#include "TestBank.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

Run runTool(const QStringList& args) {
    QProcess tool;
    tool.start(QStringLiteral(TARNWICK_BANK_EXE), args);
    tool.waitForFinished(60000);
    return {tool.exitCode(), tool.readAllStandardOutput(), tool.readAllStandardError()};
}

} // namespace

class BankToolTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void refusals_data() {
        QTest::addColumn<int>("change");
        QTest::addColumn<QString>("expected");
        QTest::newRow("gap") << 0 << "Q_ID 5: the Q_IDs 4..4 are missing";
        QTest::newRow("duplicate") << 1 << "Q_ID 2: the Q_ID is used twice";
        QTest::newRow("section 0") << 2 << "Q_ID 2: section 0 is outside 1..6";
        QTest::newRow("section 7") << 3 << "Q_ID 2: section 7 is outside 1..6";
        QTest::newRow("single with two keys")
            << 4 << "Q_ID 2: a single-response item must have exactly one keyed choice";
        QTest::newRow("single with no key")
            << 5 << "Q_ID 2: a single-response item must have exactly one keyed choice";
        QTest::newRow("key on empty choice") << 6 << "Q_ID 2: choice E is keyed but empty";
        QTest::newRow("simulation key")
            << 7 << "Q_ID 2: a simulation item must have the key F alone";
        QTest::newRow("missing exhibit")
            << 8 << "Q_ID 2: the exhibit file nowhere.bmp does not exist";
    }
    void refusals() {
        QFETCH(int, change);
        QFETCH(QString, expected);
        QVector<BankItem> items = TestBank::items(5, {1});
        BankItem& two = items[1];
        switch (change) {
        case 0:
            items.remove(3);
            break;
        case 1:
            items.append(TestBank::item(2, 1, 3));
            break;
        case 2:
            two.section = 0;
            break;
        case 3:
            two.section = 7;
            break;
        case 4:
            two.key = QStringLiteral("AB");
            break;
        case 5:
            two.key.clear();
            break;
        case 6:
            two.multiple = true, two.key = QStringLiteral("AE");
            break;
        case 7:
            two.simulation = QStringLiteral("SIM2"), two.key = QStringLiteral("D");
            break;
        case 8:
            two.picture2 = QStringLiteral("nowhere.bmp");
            break;
        }
        const QStringList problems = BankSource::problems(items, m_dir.path());
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems[0].startsWith(QStringLiteral("test: ")), qPrintable(problems[0]));
        QVERIFY2(problems[0].contains(expected), qPrintable(problems[0]));

        // The tool refuses such a source as a whole and writes nothing.
        const QString source = path(QStringLiteral("bad.json"));
        QFile out(source);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(BankSource::write(items));
        out.close();
        const Run run = runTool({QStringLiteral("build"), source, path(QStringLiteral("bad.DAT"))});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("bad.json: Q_ID"), run.err.constData());
        QVERIFY(!QFile::exists(path(QStringLiteral("bad.DAT"))));
    }

    void malformedSourceNamesFileAndItem() {
        const QByteArray good = BankSource::write(TestBank::items(2, {1}));
        QByteArray bad = good;
        bad.replace("\"Q_TYPE\": \"single\"", "\"Q_TYPE\": \"several\"");
        QVERIFY_THROWS_EXCEPTION(StoreError, BankSource::parse(bad, QStringLiteral("x.json")));
        try {
            BankSource::parse(bad, QStringLiteral("x.json"));
        } catch (const StoreError& error) {
            QVERIFY2(error.text().startsWith(QStringLiteral("x.json: item 1: Q_ID 1")),
                     qPrintable(error.text()));
        }
        QVERIFY_THROWS_EXCEPTION(StoreError,
                                 BankSource::parse(good.left(40), QStringLiteral("x.json")));
    }

    void roundTripIsExact() {
        QVector<BankItem> items = TestBank::items(7, {1, 0, 6});
        items[1].multiple = true;
        items[1].key = QStringLiteral("ACD");
        items[2].text = QStringLiteral("Quotes \" and \\ and\nline \u00e9\t\u0001");
        items[3].simulation = QStringLiteral("SIM1");
        items[3].choices = QStringList(6, QString());
        items[3].key = QStringLiteral("F");
        items[4].choices[2].clear(); // a hidden choice between filled ones
        items[4].memo = QStringLiteral("note");
        items[5].picture1 = QStringLiteral("a.bmp");
        items[5].picture2 = QStringLiteral("b.ico");
        const QByteArray source = BankSource::write(items);
        for (const char* name : {"a.bmp", "b.ico"}) {
            QFile f(path(QString::fromLatin1(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QFile file(path(QStringLiteral("bank.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(source);
        file.close();

        const QString dat = path(QStringLiteral("halvard.DAT"));
        QCOMPARE(runTool({QStringLiteral("build"), file.fileName(), dat}).exitCode, 0);
        const Run dump = runTool({QStringLiteral("dump"), dat});
        QCOMPARE(dump.exitCode, 0);
        QCOMPARE(dump.out, source);
        QCOMPARE(BankSource::parse(dump.out, QStringLiteral("test")), items);
        const Run check = runTool({QStringLiteral("check"), dat});
        QVERIFY2(check.exitCode == 0, check.err.constData());
    }

    void createEmptyKeepsExistingTables() {
        QTemporaryDir folder;
        QCOMPARE(runTool({QStringLiteral("create-empty"), folder.path()}).exitCode, 0);
        const QString users = folder.filePath(QStringLiteral("halvardusr.DAT"));
        QVERIFY(QFile::exists(users) && QFile::exists(folder.filePath(QStringLiteral("ces.DAT"))));
        QFile::resize(users, QFileInfo(users).size() + 1024); // mark it
        const qint64 marked = QFileInfo(users).size();
        const Run again = runTool({QStringLiteral("create-empty"), folder.path()});
        QCOMPARE(again.exitCode, 0);
        QVERIFY(again.out.isEmpty());
        QCOMPARE(QFileInfo(users).size(), marked);
    }
};

QTEST_GUILESS_MAIN(BankToolTest)
#include "tst_banktool.moc"
