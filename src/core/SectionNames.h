#pragma once

#include <QString>
#include <array>

// The exam's six sections, by section number 1..6 (index 0 is unused).
inline const std::array<QString, 7> SectionNames = {
    QString(),
    QStringLiteral("Planning"),
    QStringLiteral("Installation and Configuration"),
    QStringLiteral("Managing Resources"),
    QStringLiteral("Connectivity"),
    QStringLiteral("Monitoring and Optimization"),
    QStringLiteral("Troubleshooting"),
};
