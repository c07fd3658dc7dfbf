// tarnwick-bank: compiles the question-bank source into the encrypted bank and back.

#include "BankFile.h"
#include "BankSource.h"
#include "StoreError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

int usage() {
    std::fputs("usage: tarnwick-bank build SRC OUT.DAT [--pictures DIR]\n"
               "       tarnwick-bank dump DAT [OUT.json]   (the bank or a current exam)\n"
               "       tarnwick-bank check DAT [--pictures DIR]\n"
               "       tarnwick-bank create-empty DIR\n",
               stderr);
    return 2;
}

void printLines(const QStringList& lines) {
    for (const QString& line : lines)
        std::fprintf(stderr, "%s\n", qPrintable(line));
}

QString optionValue(const QStringList& args, const QString& option, const QString& fallback) {
    const int at = args.indexOf(option);
    return at >= 0 && at + 1 < args.size() ? args[at + 1] : fallback;
}

int run(const QStringList& args) {
    if (args.size() < 2)
        return usage();
    const QString command = args[0];
    if (command == u"build" && args.size() >= 3) {
        const QString out = args[2];
        const QString pictures =
            optionValue(args, QStringLiteral("--pictures"), QFileInfo(out).absolutePath());
        const QVector<BankItem> items = BankSource::read(args[1]);
        const QStringList problems = BankSource::problems(items, pictures);
        if (!problems.isEmpty()) {
            printLines(problems);
            std::fprintf(stderr, "%s: refused, the bank was not written\n", qPrintable(args[1]));
            return 1;
        }
        BankFile::write(items, out);
        std::printf("%s: %lld items\n", qPrintable(out), static_cast<long long>(items.size()));
        return 0;
    }
    if (command == u"dump") {
        // A current-exam file is told apart by its Q_OR_NUMBER field.
        QVector<BankItem> items;
        try {
            items = BankFile::read(args[1]);
        } catch (const StoreError& error) {
            if (!error.text().contains(QStringLiteral("lacks the field Q_ID")))
                throw;
            items = BankFile::readCurrentExam(args[1]);
        }
        const QByteArray text = BankSource::write(items);
        if (args.size() >= 3) {
            QFile out(args[2]);
            if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
                throw StoreError(QStringLiteral("%1: cannot be written").arg(args[2]));
        } else {
            std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
        }
        return 0;
    }
    if (command == u"check") {
        const QString pictures =
            optionValue(args, QStringLiteral("--pictures"), QFileInfo(args[1]).absolutePath());
        const QStringList problems = BankSource::problems(BankFile::read(args[1]), pictures);
        printLines(problems);
        return problems.isEmpty() ? 0 : 1;
    }
    if (command == u"create-empty") {
        for (const QString& path : BankFile::createEmptyTables(args[1]))
            std::printf("created %s\n", qPrintable(QDir::toNativeSeparators(path)));
        return 0;
    }
    return usage();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    try {
        return run(app.arguments().mid(1));
    } catch (const StoreError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.text()));
        return 1;
    }
}
