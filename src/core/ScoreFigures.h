#pragma once

#include "ItemState.h"

#include <QString>
#include <array>

// Grading's figures, worked out exactly from integer counts.
namespace Grading {
constexpr int MaximumScore = 1000;
constexpr int PassingScore = 850;
} // namespace Grading

struct SectionResult {
    int total = 0;
    int correct = 0;
    // 100 x correct / total, halves to even; 0 for a section without items.
    int percent() const;
    // "Planning (7/9) ", with its trailing space.
    QString label(int section) const;
};

struct ScoreFigures {
    int correct = 0;
    int count = 0;
    std::array<SectionResult, 7> sections; // by section number 1..6; 0 unused

    // 1000 x C / N; 0 for an exam without items.
    double rawScore() const;
    int displayedScore() const;
    // Decided on the unrounded score: 20 x C >= 17 x N.
    bool passed() const;
    QString grade() const;
    QString scoreLine() const;
};

ScoreFigures ComputeScoreFigures(const ItemStateArray& items);
QString ReportTitleLine(const QString& candidateName, const QString& examTitle);
