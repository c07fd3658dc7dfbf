#pragma once

#include "ItemState.h"

class QCheckBox;
class OutlinedLabel;
class Table;
struct ItemArea;

// Lays out the current item of the exam table in the item area, at the area's width, and
// puts the recorded response back into the controls. Leaves the area shown, scrolled to
// the top. `state` is null when the item has no response record.
void LayoutItem(ItemArea& area, const Table& currentExam, const ItemState* state,
                QCheckBox* markBox);

// Reviewing shows the explanation and the key; testing hides them. Both set the verdict.
void ShowItemStatus(ItemArea& area, const Table& currentExam, bool reviewing,
                    const ItemState* state, OutlinedLabel* correctLabel);

// Shows the explanation and highlights the keyed choices, until the next move.
void ShowAnswer(ItemArea& area, const Table& currentExam);

// The answer key A1..A6 of the current record; an empty field counts as false.
void ReadKey(const Table& currentExam, bool key[6]);
