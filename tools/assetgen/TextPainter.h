#pragma once

#include "Figure.h"
#include "PaintSupport.h"

class QPainter;

// Draws a monospace listing, as a console window (light grey on black) or as plain text on the
// white page. Long listings are set smaller; below a readable size long lines are broken.
class TextPainter {
public:
    TextPainter(const Figure& figure, RenderNotes& notes);

    void paint(QPainter& painter);

private:
    void paintListing(QPainter& painter, const QRectF& area, const QColor& ink);

    const Figure& m_figure;
    RenderNotes& m_notes;
};
