#pragma once

#include "Figure.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

// Fonts, text fitting and the page frame shared by all painters.

QFont sansFont(int pixelSize, bool bold = false);
QFont monoFont(int pixelSize);

// Notes about a picture that renders but may not look right (text that does not fit, labels
// that overlap, nodes outside the picture). The program prints them as warnings.
class RenderNotes {
public:
    void add(const QString& note) { m_notes.append(note); }
    const QStringList& notes() const { return m_notes; }

private:
    QStringList m_notes;
};

// A short quotation of a text for notes: its first line, at most 40 characters.
QString excerpt(const QString& text);

struct TextFit {
    QFont font;
    int flags = 0; // the alignment, plus Qt::TextWordWrap when the text had to be wrapped
    QSizeF size;   // the size the text takes at that font
    bool fits = false;
};

// Finds the largest pixel size from maxPixelSize down to minPixelSize at which the text fits
// into the box: it first shrinks the text on its own lines by up to a fifth, then also allows
// wrapping at spaces. When nothing fits, returns the smallest size with fits = false.
TextFit fitText(const QString& text, const QSizeF& box, const QFont& font, int maxPixelSize,
                int minPixelSize, int alignment, bool allowWrap = true);

// Draws the text fitted into the box. Text that does not fit even at the smallest size is drawn
// anyway, overflowing the box rather than cut, and noted as `what`.
TextFit drawFittedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                       int maxPixelSize, int minPixelSize, int alignment, RenderNotes& notes,
                       const QString& what);

// Fills the picture white and draws its thin frame (except on icons, which have none).
void paintPage(QPainter& painter, const Figure& figure);

// Draws the caption centred at the top of the picture and returns the y below it where the
// content may start; without a title returns the top margin.
qreal paintTitle(QPainter& painter, const QSize& size, const QString& title, RenderNotes& notes);

namespace Palette {
inline const QColor Ink{0x20, 0x20, 0x20};
inline const QColor Frame{0x80, 0x80, 0x80};
inline const QColor Navy{0, 0, 128};
} // namespace Palette
