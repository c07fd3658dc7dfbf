#pragma once

#include "Figure.h"
#include "PaintSupport.h"

#include <QList>

class QPainter;

// Draws a table: a shaded header row, grid lines, columns as wide as their content. A table too
// large for the picture is set smaller and then wrapped within its cells.
class TablePainter {
public:
    TablePainter(const Figure& figure, RenderNotes& notes);

    void paint(QPainter& painter);

private:
    struct Layout {
        int pixelSize = 0;
        bool wrap = false;
        QList<qreal> columnWidths;
        QList<qreal> rowHeights; // the header row first
        bool fits = false;
        qreal width() const;
        qreal height() const;
    };

    Layout layoutAt(int pixelSize, bool wrap, const QSizeF& room) const;
    // The width each column needs for its cells on single lines, or with widestWord for the
    // widest word of its cells.
    QList<qreal> columnWidths(int pixelSize, bool widestWord) const;
    QFont cellFont(int pixelSize, int row) const;
    int padX(int pixelSize) const { return 3 + pixelSize / 2; }
    int padY(int pixelSize) const { return 2 + pixelSize / 4; }
    const QStringList& rowCells(int row) const;

    const Figure& m_figure;
    RenderNotes& m_notes;
};
