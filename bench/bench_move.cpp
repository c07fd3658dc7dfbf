// Times one move in a running exam (data change -> layout -> status) at two window sizes,
// for a typical item and for one with six long choices and a long explanation.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_move

#include "BankFile.h"
#include "NameUnit.h"
#include "ProgressUnit.h"
#include "Startup.h"
#include "Table.h"
#include "TestUnit.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

BankItem makeItem(qint64 id, bool longTexts) {
    BankItem item;
    item.id = id;
    item.examNumber = 1;
    item.section = 1;
    item.origin = QStringLiteral("bench");
    item.key = QStringLiteral("B");
    if (!longTexts) {
        item.text =
            QStringLiteral("Which subnet mask gives at least 12 subnets of 172.20.0.0/16 with "
                           "the most hosts per subnet?");
        item.choices = {QStringLiteral("255.255.248.0"),
                        QStringLiteral("255.255.240.0"),
                        QStringLiteral("255.255.224.0"),
                        QStringLiteral("255.255.255.0"),
                        QString(),
                        QString()};
        item.explanation = QStringLiteral("Four subnet bits give 16 subnets.");
    } else {
        item.text = QStringLiteral("A long scenario. ").repeated(40);
        for (int n = 0; n < 6; ++n)
            item.choices.append(QStringLiteral("A long choice text that wraps. ").repeated(10));
        item.explanation = QStringLiteral("A long explanation that wraps. ").repeated(60);
    }
    return item;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Startup::substituteFonts();
    QTemporaryDir dir;
    for (const bool longTexts : {false, true}) {
        QVector<BankItem> items;
        for (int id = 1; id <= 2; ++id)
            items.append(makeItem(id, longTexts));
        QFile::remove(dir.filePath(QStringLiteral("halvard.DAT")));
        BankFile::write(items, dir.filePath(QStringLiteral("halvard.DAT")));
        BankFile::createEmptyTables(dir.path());
        QDir::setCurrent(dir.path());
        for (const QSize size : {QSize(1024, 768), QSize(1920, 1080)}) {
            ItemStateArray state;
            TTestForm form(state);
            TNameForm name;
            TProgressForm progress;
            form.setDialogs(&name, &progress, nullptr);
            form.setWindowState(Qt::WindowNoState);
            form.resize(size);
            form.show();
            QTimer::singleShot(0, &name, [&] { name.BitBtn1->click(); });
            form.Action1Execute();
            QApplication::processEvents();
            std::vector<double> times;
            for (int i = 0; i < 400; ++i) {
                QElapsedTimer timer;
                timer.start();
                if (form.dtCurrentSet->recNo() == 1)
                    form.dtCurrentSet->next();
                else
                    form.dtCurrentSet->prior();
                times.push_back(double(timer.nsecsElapsed()) / 1e6);
            }
            std::sort(times.begin(), times.end());
            std::printf("%-8s %4dx%-4d median %.3f ms  p90 %.3f ms\n",
                        longTexts ? "long" : "typical", size.width(), size.height(),
                        times[times.size() / 2], times[times.size() * 9 / 10]);
            form.CloseCurrentExam();
        }
    }
    return 0;
}
