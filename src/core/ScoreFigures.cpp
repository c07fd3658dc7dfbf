#include "ScoreFigures.h"

#include "Rounding.h"
#include "SectionNames.h"

int SectionResult::percent() const {
    if (total == 0 || correct == 0)
        return 0;
    return int(RoundHalfEven(qint64(100) * correct, total));
}

QString SectionResult::label(int section) const {
    return SectionNames[std::size_t(section)] + QStringLiteral(" (%1/%2) ").arg(correct).arg(total);
}

double ScoreFigures::rawScore() const {
    return count == 0 ? 0.0 : double(Grading::MaximumScore) * correct / count;
}

int ScoreFigures::displayedScore() const {
    return count == 0 ? 0 : int(RoundHalfEven(qint64(Grading::MaximumScore) * correct, count));
}

bool ScoreFigures::passed() const {
    // 1000 C / N >= 850  <=>  20 C >= 17 N, exactly.
    return count > 0 && qint64(20) * correct >= qint64(17) * count;
}

QString ScoreFigures::grade() const {
    return passed() ? QStringLiteral("Pass") : QStringLiteral("Fail");
}

QString ScoreFigures::scoreLine() const {
    return QStringLiteral("Passing Score: %1   Your Score: %2   Grade: %3")
        .arg(Grading::PassingScore)
        .arg(displayedScore())
        .arg(grade());
}

ScoreFigures ComputeScoreFigures(const ItemStateArray& items) {
    ScoreFigures figures;
    figures.count = int(items.size());
    for (const ItemState& item : items) {
        figures.correct += item.Correct;
        // A section outside 1..6 counts in the total only.
        if (item.Section >= 1 && item.Section <= 6) {
            SectionResult& section = figures.sections[std::size_t(item.Section)];
            ++section.total;
            section.correct += item.Correct;
        }
    }
    return figures;
}

QString ReportTitleLine(const QString& candidateName, const QString& examTitle) {
    return candidateName + QStringLiteral(",  Tarnwick,  ") + examTitle;
}
