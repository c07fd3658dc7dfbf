#pragma once

#include "ItemState.h"

class Table;

// Feedback while an exam set is being built; the progress window implements it.
class PreparationProgress {
public:
    virtual ~PreparationProgress() = default;
    virtual void begin() = 0;
    virtual void setMaximum(int maximum) = 0;
    virtual void setPosition(int position) = 0;
    virtual void end() = 0;
};

// The first and last record numbers of a prepared exam; both 0 when it is empty.
struct ExamRange {
    int FirstRecNo = 0;
    int LastRecNo = 0;
};

// Each fills the current-exam table with the items of its source in random order: empties
// it, holds it exclusively and leaves it open on its first record.
// The bank must be open with the exam's filter.
ExamRange PrepareExamSet(Table& questionBank, Table& currentExam, PreparationProgress* progress);
// N different items of the bank, which must be open with the filter "Q_EXAM_N<>0".
ExamRange PrepareRandomSet(Table& questionBank, Table& currentExam, int questionCount,
                           PreparationProgress* progress);
// Every item of the open user set.
ExamRange PrepareUserSet(Table& userSet, Table& currentExam, PreparationProgress* progress);

// One cleared element per current-exam record, with its section; leaves the table past its
// last record.
void ResetItemState(Table& currentExam, ItemStateArray& itemState);
