// Checks the question bank delivered with the program, as built into the program's folder.

#include "BankFile.h"
#include "BankSource.h"

#include <QDir>
#include <QImage>
#include <QTest>
#include <map>

class BankTest : public QObject {
    Q_OBJECT
    QVector<BankItem> m_items;
    const QDir m_app{QStringLiteral(TARNWICK_APP_DIR)};

private slots:
    void initTestCase() {
        // Reading also checks that every Q_ID equals its record number.
        m_items = BankFile::read(m_app.filePath(QStringLiteral("halvard.DAT")));
        QVERIFY(!m_items.isEmpty());
        const QStringList problems = BankSource::problems(m_items, m_app.path());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    void sixExamsOfFiftyCoveringEverySection() {
        std::map<qint64, std::map<qint64, int>> perExamAndSection;
        int retired = 0;
        for (const BankItem& item : m_items) {
            if (item.examNumber == 0)
                ++retired;
            else
                ++perExamAndSection[item.examNumber][item.section];
        }
        QVERIFY(retired >= 10);
        QCOMPARE(perExamAndSection.size(), std::size_t(6));
        for (const auto& [exam, sections] : perExamAndSection) {
            int total = 0;
            for (qint64 section = 1; section <= 6; ++section) {
                const int count = sections.count(section) ? sections.at(section) : 0;
                QVERIFY2(count >= 5, qPrintable(QStringLiteral("exam %1 section %2: %3 items")
                                                    .arg(exam)
                                                    .arg(section)
                                                    .arg(count)));
                total += count;
            }
            QCOMPARE(total, 50);
        }
    }

    void enoughMultipleResponse() {
        int multiple = 0, threeOrMore = 0;
        for (const BankItem& item : m_items) {
            multiple += item.multiple;
            threeOrMore += item.multiple && item.key.size() >= 3;
        }
        QVERIFY2(multiple * 100 >= m_items.size() * 15, qPrintable(QString::number(multiple)));
        QVERIFY(threeOrMore > 0);
    }

    void everyExhibitLoads() {
        int withPictures = 0;
        bool only1 = false, only2 = false, both = false, icon = false;
        for (const BankItem& item : m_items) {
            for (const QString& name : {item.picture1, item.picture2}) {
                if (name.isEmpty())
                    continue;
                const QImage picture(m_app.filePath(name));
                QVERIFY2(!picture.isNull(), qPrintable(name));
                icon |= name.endsWith(QStringLiteral(".ico"), Qt::CaseInsensitive);
            }
            const bool p1 = !item.picture1.isEmpty(), p2 = !item.picture2.isEmpty();
            withPictures += p1 || p2;
            only1 |= p1 && !p2;
            only2 |= p2 && !p1;
            both |= p1 && p2;
        }
        QVERIFY(withPictures >= 12);
        QVERIFY(only1 && only2 && both && icon);
    }

    void bothSimulationsInDifferentExams() {
        std::map<QString, qint64> examOf;
        for (const BankItem& item : m_items) {
            if (item.simulation.isEmpty())
                continue;
            QCOMPARE(item.key, QStringLiteral("F"));
            QVERIFY(std::all_of(item.choices.begin(), item.choices.end(),
                                [](const QString& c) { return c.isEmpty(); }));
            examOf[item.simulation] = item.examNumber;
        }
        QVERIFY(examOf.count(QStringLiteral("SIM1")) && examOf.count(QStringLiteral("SIM2")));
        QVERIFY(examOf[QStringLiteral("SIM1")] != examOf[QStringLiteral("SIM2")]);
        const QImage diagram(m_app.filePath(QStringLiteral("sim1net.bmp")));
        QCOMPARE(diagram.size(), QSize(573, 339));
        QCOMPARE(QImage(m_app.filePath(QStringLiteral("tarnwick-logo.bmp"))).size(),
                 QSize(221, 48));
    }
};

QTEST_MAIN(BankTest)
#include "tst_bank.moc"
