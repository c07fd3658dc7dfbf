#pragma once

#include "Figure.h"
#include "PaintSupport.h"

class QPainter;

// Draws a classic dialog box filling the picture: grey face, title bar with the title, labelled
// edit fields, check boxes and buttons at the bottom right.
class DialogPainter {
public:
    DialogPainter(const Figure& figure, RenderNotes& notes);

    void paint(QPainter& painter);

private:
    // Sizes that all follow from the font size.
    struct Metrics {
        int px = 12;
        int titleBar() const { return px + 10; }
        int margin() const { return px; }
        int fieldRow() const { return 2 * px + 3; }
        int editHeight() const { return px + 9; }
        int checkRow() const { return (px * 17 + 5) / 10; }
        int checkBox() const { return px + 1; }
        int buttonHeight() const { return px + 11; }
        int minButtonWidth() const { return (px * 25 + 2) / 4; }
        int gap() const { return px / 2; }
    };

    bool fits(const Metrics& m) const;
    int labelColumnWidth(const Metrics& m) const;
    int buttonWidth(const Metrics& m, const QString& text) const;
    int buttonsWidth(const Metrics& m) const;
    int contentHeight(const Metrics& m) const;

    void paintFrame(QPainter& painter, const Metrics& m);
    int paintFields(QPainter& painter, const Metrics& m, int top);
    void paintChecks(QPainter& painter, const Metrics& m, int top);
    void paintButtons(QPainter& painter, const Metrics& m);

    const Figure& m_figure;
    RenderNotes& m_notes;
};
