// Times the preparation of All Questions against a raw SQL copy of the same rows, and the
// rejection-sampling draw that a naive implementation would use, at several bank sizes.
//
//   build/bench/bench_prepare [sizes...]     (default 300 10000 100000)

#include "BankFile.h"
#include "ExamDraw.h"
#include "PrepareUnit.h"
#include "Sqlite.h"
#include "Table.h"
#include "Tables.h"

#include <sqlcipher/sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

QVector<BankItem> makeBank(int count) {
    QVector<BankItem> items;
    items.reserve(count);
    for (int id = 1; id <= count; ++id) {
        BankItem item;
        item.id = id;
        item.examNumber = id % 7; // one in seven retired
        item.section = id % 6 + 1;
        item.text = QStringLiteral("A typical question of about this length, number %1, about "
                                   "the addressing of a routed network with several segments?")
                        .arg(id);
        item.choices = {QStringLiteral("255.255.255.0"),
                        QStringLiteral("255.255.254.0"),
                        QStringLiteral("255.255.252.0"),
                        QStringLiteral("255.255.248.0"),
                        QString(),
                        QString()};
        item.key = QStringLiteral("C");
        item.explanation = QString(400, u'x');
        items.append(item);
    }
    return items;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The drawing as first designed: pick at random, reject what is already drawn, scanning
// the whole draw list each time.
std::vector<qint64> rejectionDraw(const std::vector<qint64>& candidates, int picks,
                                  std::mt19937_64& random) {
    std::vector<qint64> drawn(std::size_t(picks), 0);
    std::uniform_int_distribution<std::size_t> pick(0, candidates.size() - 1);
    for (int k = 0; k < picks; ++k) {
        for (;;) {
            const qint64 c = candidates[pick(random)];
            if (std::find(drawn.begin(), drawn.end(), c) == drawn.end()) {
                drawn[std::size_t(k)] = c;
                break;
            }
        }
    }
    return drawn;
}

double timePrepare(const QString& folder) {
    Session session(Tables::SessionName);
    session.addPassword(Tables::Password);
    Table bank(session, Tables::questionBank());
    Table exam(session, Tables::currentExam());
    bank.setFilePath(QDir(folder).filePath(Tables::QuestionBankFile));
    exam.setFilePath(QDir(folder).filePath(Tables::CurrentExamFile));
    QElapsedTimer timer;
    timer.start();
    bank.setFilter(QStringLiteral("Q_EXAM_N<>0"));
    bank.setFiltered(true);
    bank.open();
    PrepareExamSet(bank, exam, nullptr);
    return double(timer.nsecsElapsed()) / 1e6;
}

double timeRawCopy(const QString& folder) {
    QElapsedTimer timer;
    timer.start();
    SqliteConnection db;
    db.open(QDir(folder).filePath(Tables::QuestionBankFile), false);
    db.key(Tables::Password);
    const QByteArray attach = "ATTACH DATABASE '" +
                              QDir(folder).filePath(Tables::CurrentExamFile).toUtf8() +
                              "' AS ces KEY '" + Tables::Password.toUtf8() + "'";
    const char* fields = "Q_EXAM_N, Q_SECT, Q_TEXT, Q_EXPL, Q_TYPE, Q1, Q2, Q3, Q4, Q5, Q6, "
                         "Q_SIM, A1, A2, A3, A4, A5, A6, PICT1, PICT2";
    const QByteArray script[] = {
        attach,
        "BEGIN",
        "DELETE FROM ces.records",
        QByteArray("INSERT INTO ces.records(") + fields + ", Q_OR_NUMBER, U_MEMO) SELECT " +
            fields + ", Q_ID, U_MEMO FROM main.records WHERE Q_EXAM_N<>0 ORDER BY random()",
        "COMMIT",
    };
    for (const QByteArray& sql : script) {
        char* error = nullptr;
        if (sqlite3_exec(db.handle(), sql.constData(), nullptr, nullptr, &error) != SQLITE_OK) {
            std::fprintf(stderr, "raw copy failed: %s\n", error);
            sqlite3_free(error);
        }
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QList<int> sizes = {300, 10000, 100000};
    if (argc > 1) {
        sizes.clear();
        for (int i = 1; i < argc; ++i)
            sizes << QString::fromLocal8Bit(argv[i]).toInt();
    }
    std::printf("%-8s %14s %14s %8s\n", "items", "prepare ms", "raw copy ms", "ratio");
    for (int size : sizes) {
        QTemporaryDir dir;
        BankFile::write(makeBank(size), dir.filePath(Tables::QuestionBankFile));
        BankFile::createEmptyTables(dir.path());
        const int runs = size >= 100000 ? 3 : 7;
        std::vector<double> ours, raw;
        for (int r = 0; r < runs; ++r) {
            ours.push_back(timePrepare(dir.path()));
            raw.push_back(timeRawCopy(dir.path()));
        }
        std::printf("%-8d %14.1f %14.1f %8.2f\n", size, median(ours), median(raw),
                    median(ours) / median(raw));
    }

    std::printf("\ndrawing only, all of N candidates:\n%-8s %16s %16s\n", "items", "rejection ms",
                "Fisher-Yates ms");
    for (int size : {300, 3000}) {
        std::vector<qint64> candidates(static_cast<std::size_t>(size));
        for (int i = 0; i < size; ++i)
            candidates[std::size_t(i)] = i + 1;
        std::mt19937_64 random(7);
        std::vector<double> rejection, shuffle;
        for (int r = 0; r < 5; ++r) {
            QElapsedTimer timer;
            timer.start();
            rejectionDraw(candidates, size, random);
            rejection.push_back(double(timer.nsecsElapsed()) / 1e6);
            timer.restart();
            DrawItems(candidates, size, random);
            shuffle.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        std::printf("%-8d %16.2f %16.3f\n", size, median(rejection), median(shuffle));
    }
    return 0;
}
