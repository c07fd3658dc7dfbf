#include "Startup.h"

#include <QApplication>
#include <QFont>

namespace Startup {

void substituteFonts() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

void initialise() {
    QApplication::setApplicationName(QStringLiteral("Tarnwick"));
    QApplication::setApplicationDisplayName(QString());
    substituteFonts();
}

} // namespace Startup
