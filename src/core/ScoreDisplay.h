#pragma once

#include "ScoreFigures.h"

// The window that shows a grading's figures; the exam window grades, this shows.
class ScoreDisplay {
public:
    virtual ~ScoreDisplay() = default;
    // Replaces every figure, chart bar and title with those of a new grading.
    virtual void showFigures(const ScoreFigures& figures, const QString& titleLine) = 0;
    virtual int showScoreModal() = 0;
};
