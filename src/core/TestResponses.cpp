// The exam window's response capture: choices, the mark and Learn Now.

#include "ItemArea.h"
#include "LPositionsUnit.h"
#include "TestUnit.h"

#include <QCheckBox>
#include <QRadioButton>

ItemState* TTestForm::currentItemState() {
    if (!dtCurrentSet->isOpen())
        return nullptr;
    const int r = dtCurrentSet->recNo();
    if (r < 1 || r > int(m_itemState.size()))
        return nullptr;
    return &m_itemState[std::size_t(r - 1)];
}

void TTestForm::ALabelClick(int choice) {
    if (!Item->RadioButton[choice]->isHidden())
        Item->RadioButton[choice]->setChecked(true);
    else
        Item->CheckBox[choice]->toggle();
}

void TTestForm::RadioButton1Click() {
    RadioChoicesChanged();
}

void TTestForm::RadioChoicesChanged() {
    ItemState* state = currentItemState();
    if (!state || ExamMode == NoExam)
        return;
    if (ExamMode == Reviewing) {
        // The recorded response is frozen: show it again.
        bool states[6];
        for (int n = 0; n < 6; ++n)
            states[n] = state->choice(n);
        Item->setRadioStates(states);
        return;
    }
    for (int n = 0; n < 6; ++n)
        state->choice(n) = Item->RadioButton[n]->isChecked();
    CheckAnswer();
}

void TTestForm::CheckBoxClick(int choice) {
    ItemState* state = currentItemState();
    if (!state || ExamMode == NoExam)
        return;
    if (ExamMode == Reviewing) {
        Item->CheckBox[choice]->setChecked(state->choice(choice));
        return;
    }
    state->choice(choice) = Item->CheckBox[choice]->isChecked();
    CheckAnswer();
}

void TTestForm::MarkBoxClick() {
    if (ItemState* state = currentItemState())
        state->Marked = MarkBox->isChecked();
}

void TTestForm::CheckAnswer() {
    ItemState* state = currentItemState();
    if (!state)
        return;
    bool key[6];
    ReadKey(*dtCurrentSet, key);
    state->Correct = MatchesKey(*state, key);
}

void TTestForm::LearnButtonClick() {
    ShowAnswer(*Item, *dtCurrentSet);
}
