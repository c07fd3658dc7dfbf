#pragma once

#include <QtGlobal>
#include <vector>

// The candidate's response to one item of the running exam, kept in memory only.
struct ItemState {
    bool Choice1 = false;
    bool Choice2 = false;
    bool Choice3 = false;
    bool Choice4 = false;
    bool Choice5 = false;
    bool Choice6 = false;
    bool Marked = false;
    bool Correct = false;
    qint32 Section = 0;

private:
    // Defined first: the accessors below deduce their type from it.
    template <class Self> static auto* choiceOf(Self& self, int index) {
        Q_ASSERT(index >= 0 && index < 6);
        switch (index) {
        case 0:
            return &self.Choice1;
        case 1:
            return &self.Choice2;
        case 2:
            return &self.Choice3;
        case 3:
            return &self.Choice4;
        case 4:
            return &self.Choice5;
        default:
            return &self.Choice6;
        }
    }

public:
    // Choice a..f as 0..5.
    bool& choice(int index) { return *choiceOf(*this, index); }
    bool choice(int index) const { return *choiceOf(*this, index); }
};

// One element per item of the current exam; the item with record number r is at r - 1.
using ItemStateArray = std::vector<ItemState>;

// The one correctness rule: all six selections equal the six key values.
inline bool MatchesKey(const ItemState& state, const bool key[6]) {
    for (int n = 0; n < 6; ++n)
        if (state.choice(n) != key[n])
            return false;
    return true;
}
