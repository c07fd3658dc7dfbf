#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& overridePath() {
    static QString folder;
    return folder;
}
} // namespace

namespace ProgramFolder {

QString path() {
    return overridePath().isEmpty() ? QCoreApplication::applicationDirPath() : overridePath();
}

void setPathForTesting(const QString& folder) {
    overridePath() = folder;
}

void makeCurrent() {
    QDir::setCurrent(path());
}

} // namespace ProgramFolder
