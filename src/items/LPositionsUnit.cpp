#include "LPositionsUnit.h"

#include "ItemArea.h"
#include "OutlinedLabel.h"
#include "Table.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

namespace {

constexpr int PanelBorder = 8;
constexpr int ButtonHeight = 25;
constexpr int ChoiceGap = 15;
constexpr int ChoiceLeft = 80;
constexpr int RightMargin = 30;

// Sizes a word-wrapping label to its text wrapped at `width`, narrowed to its widest line.
void fitLabel(QLabel* label, int left, int top, int width, bool narrow) {
    const QRect bounds = label->fontMetrics().boundingRect(
        QRect(0, 0, std::max(1, width), 1 << 24), Qt::TextWordWrap | Qt::AlignLeft, label->text());
    const int textWidth = narrow ? std::min(width, bounds.width() + 1) : width;
    label->setGeometry(left, top, std::max(1, textWidth),
                       std::max(bounds.height(), label->text().isEmpty() ? 0 : 1));
}

} // namespace

void ReadKey(const Table& currentExam, bool key[6]) {
    for (int n = 0; n < 6; ++n)
        key[n] = currentExam.boolean(QStringLiteral("A%1").arg(n + 1));
}

namespace {

// Places the item's controls for a content width; texts and visibility are already set.
void PlaceControls(ItemArea& area, int contentWidth) {
    const int areaWidth = area.ScrollBox1->width();
    area.Content->resize(contentWidth, area.Content->height());

    // Question.
    fitLabel(area.QText, PanelBorder, PanelBorder, contentWidth - 2 * PanelBorder, false);
    const int panelHeight = area.QText->height() + 2 * PanelBorder;
    area.QPanel->setGeometry(0, 0, contentWidth, panelHeight);
    area.Shape1->setGeometry(0, panelHeight, contentWidth, 1);

    // The button row is reserved whether or not a button shows.
    const int rowTop = panelHeight + 2;
    area.ExhBtnA->setGeometry(1, rowTop, 93, ButtonHeight);
    area.ExhBtnB->setGeometry(96, rowTop, 93, ButtonHeight);
    area.SPButton->setGeometry(4, rowTop, 129, ButtonHeight);

    // Only the choices the item has take a place in the chain.
    const int labelWidth = areaWidth - ChoiceLeft - RightMargin;
    int top = rowTop + ButtonHeight + ChoiceGap;
    int lowestBottom = rowTop + ButtonHeight;
    for (int n = 0; n < 6; ++n) {
        if (area.ALabel[n]->isHidden())
            continue;
        fitLabel(area.ALabel[n], ChoiceLeft, top, labelWidth, true);
        QWidget* selector = area.selector(n);
        selector->move(40, top);
        lowestBottom = area.ALabel[n]->geometry().bottom() + 1;
        top = lowestBottom + ChoiceGap;
    }

    // Explanation, 40 pixels below the last choice; its visibility is the status's.
    fitLabel(area.ExpText, PanelBorder, lowestBottom + 40, areaWidth - PanelBorder - RightMargin,
             false);
    area.updateContentHeight();
}

// Lays the item out for the width it will have. The scroll bar is decided here: the scroll
// area decides it only later, after the question would have been wrapped for the width of
// the previous item.
void FitToArea(ItemArea& area) {
    PlaceControls(area, area.visibleWidth(false));
    const bool scrolls = area.Content->height() > area.visibleHeight();
    if (scrolls)
        PlaceControls(area, area.visibleWidth(true)); // narrower, so taller: it still scrolls
    area.ScrollBox1->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn
                                                        : Qt::ScrollBarAlwaysOff);
}

// The explanation counts in the content height only while shown: the layout is fitted
// again only when that changes, not on every move.
void SetExplanationVisible(ItemArea& area, bool visible) {
    if (area.ExpText->isHidden() != visible)
        return;
    area.ExpText->setVisible(visible);
    FitToArea(area);
}

} // namespace

void LayoutItem(ItemArea& area, const Table& currentExam, const ItemState* state,
                QCheckBox* markBox) {
    // Hiding the area takes the keyboard focus out of it; it comes back below.
    QWidget* focused = QApplication::focusWidget();
    const bool focusInArea = focused && area.ScrollBox1->isAncestorOf(focused);
    area.ScrollBox1->hide();
    area.ScrollBox1->verticalScrollBar()->setValue(0);

    area.QText->setText(currentExam.text(QStringLiteral("Q_TEXT")));
    const bool multiple = currentExam.boolean(QStringLiteral("Q_TYPE"));
    bool present[6];
    for (int n = 0; n < 6; ++n) {
        const QString text = currentExam.text(QStringLiteral("Q%1").arg(n + 1));
        present[n] = !text.isEmpty();
        if (present[n])
            area.ALabel[n]->setText(text);
        // A screen reader reads the choice's text with its letter.
        area.RadioButton[n]->setAccessibleDescription(text);
        area.CheckBox[n]->setAccessibleDescription(text);
        area.ALabel[n]->setVisible(present[n]);
        area.RadioButton[n]->setVisible(present[n] && !multiple);
        area.CheckBox[n]->setVisible(present[n] && multiple);
    }
    area.ExhBtnA->setVisible(!currentExam.text(QStringLiteral("PICT1")).isEmpty());
    area.ExhBtnB->setVisible(!currentExam.text(QStringLiteral("PICT2")).isEmpty());
    area.SPButton->setVisible(!currentExam.text(QStringLiteral("Q_SIM")).isEmpty());
    area.ExpText->setText(currentExam.text(QStringLiteral("Q_EXPL")));

    FitToArea(area);

    // The recorded response back into the controls.
    if (state) {
        if (!multiple) {
            bool states[6];
            for (int n = 0; n < 6; ++n)
                states[n] = state->choice(n);
            area.setRadioStates(states);
        } else {
            for (int n = 0; n < 6; ++n)
                area.CheckBox[n]->setChecked(state->choice(n));
        }
        if (markBox)
            markBox->setChecked(state->Marked);
    }

    area.ScrollBox1->show();
    // A hidden scroll area takes the scroll-bar choice without laying itself out; now it can.
    area.ScrollBox1->setVerticalScrollBarPolicy(area.ScrollBox1->verticalScrollBarPolicy());
    area.ScrollBox1->verticalScrollBar()->setValue(0);
    if (focusInArea) {
        if (!focused->isVisibleTo(area.ScrollBox1))
            focused = area.firstSelector();
        if (focused)
            focused->setFocus(Qt::OtherFocusReason);
    }
}

void ShowAnswer(ItemArea& area, const Table& currentExam) {
    bool key[6];
    ReadKey(currentExam, key);
    for (int n = 0; n < 6; ++n)
        area.setHighlight(n, key[n]);
    SetExplanationVisible(area, true);
}

void ShowItemStatus(ItemArea& area, const Table& currentExam, bool reviewing,
                    const ItemState* state, OutlinedLabel* correctLabel) {
    if (reviewing) {
        ShowAnswer(area, currentExam);
    } else {
        for (int n = 0; n < 6; ++n)
            area.setHighlight(n, false);
        SetExplanationVisible(area, false);
    }
    const bool correct = state && state->Correct;
    correctLabel->setText(correct ? QObject::tr("Correct") : QObject::tr("Incorrect"));
    correctLabel->setAccessibleName(correctLabel->text());
    correctLabel->setColor(correct ? QColor(0, 0, 255) : QColor(255, 0, 0));
}
