#include "TablePainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

const QColor HeaderShade(0xe0, 0xe0, 0xe0);
const QColor GridColour(0x80, 0x80, 0x80);
constexpr int MaxPixelSize = 13;
constexpr int MinPixelSize = 7;
constexpr int WrapFrom = 10;

// Shares the width out the way tables usually do: every column gets at least its widest word,
// and the rest is divided in proportion to how much more each column would need for its text to
// stand on single lines.
QList<qreal> shareWidth(const QList<qreal>& natural, const QList<qreal>& minimum, qreal available) {
    const qreal naturalTotal = std::accumulate(natural.cbegin(), natural.cend(), qreal(0));
    const qreal minimumTotal = std::accumulate(minimum.cbegin(), minimum.cend(), qreal(0));
    if (naturalTotal <= available)
        return natural;
    if (minimumTotal >= available || naturalTotal <= minimumTotal)
        return minimum;
    const qreal share = (available - minimumTotal) / (naturalTotal - minimumTotal);
    QList<qreal> widths;
    for (qsizetype i = 0; i < natural.size(); ++i)
        widths.append(std::floor(minimum.at(i) + (natural.at(i) - minimum.at(i)) * share));
    return widths;
}

} // namespace

qreal TablePainter::Layout::width() const {
    return std::accumulate(columnWidths.cbegin(), columnWidths.cend(), qreal(0));
}

qreal TablePainter::Layout::height() const {
    return std::accumulate(rowHeights.cbegin(), rowHeights.cend(), qreal(0));
}

TablePainter::TablePainter(const Figure& figure, RenderNotes& notes)
    : m_figure(figure), m_notes(notes) {}

const QStringList& TablePainter::rowCells(int row) const {
    return row == 0 ? m_figure.columns : m_figure.rows.at(row - 1);
}

QFont TablePainter::cellFont(int pixelSize, int row) const {
    return sansFont(pixelSize, row == 0);
}

QList<qreal> TablePainter::columnWidths(int pixelSize, bool widestWord) const {
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QList<qreal> widths(m_figure.columns.size(), 0);
    for (int row = 0; row <= m_figure.rows.size(); ++row) {
        const QFontMetricsF metrics(cellFont(pixelSize, row));
        const QStringList& cells = rowCells(row);
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const QStringList pieces = widestWord ? cells.at(c).split(space, Qt::SkipEmptyParts)
                                                  : QStringList{cells.at(c)};
            for (const QString& piece : pieces) {
                const qreal w = metrics.boundingRect(QRectF(), Qt::AlignLeft, piece).width();
                widths[c] = std::max(widths.at(c), std::ceil(w) + 2 * padX(pixelSize) + 1);
            }
        }
    }
    return widths;
}

TablePainter::Layout TablePainter::layoutAt(int pixelSize, bool wrap, const QSizeF& room) const {
    Layout layout;
    layout.pixelSize = pixelSize;
    layout.wrap = wrap;
    const QList<qreal> natural = columnWidths(pixelSize, false);
    layout.columnWidths =
        wrap ? shareWidth(natural, columnWidths(pixelSize, true), room.width()) : natural;
    bool wordsFit = true;
    for (int row = 0; row <= m_figure.rows.size(); ++row) {
        const QFontMetricsF metrics(cellFont(pixelSize, row));
        const QStringList& cells = rowCells(row);
        qreal height = metrics.height();
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const qreal inner = layout.columnWidths.at(c) - 2 * padX(pixelSize);
            const int flags = Qt::AlignLeft | (wrap ? Qt::TextWordWrap : 0);
            const QRectF bounds =
                metrics.boundingRect(QRectF(0, 0, inner, 1e6), flags, cells.at(c));
            height = std::max(height, bounds.height());
            if (bounds.width() > inner + 0.5)
                wordsFit = false;
        }
        layout.rowHeights.append(std::ceil(height) + 2 * padY(pixelSize));
    }
    layout.fits =
        wordsFit && layout.width() <= room.width() + 0.5 && layout.height() <= room.height() + 0.5;
    return layout;
}

void TablePainter::paint(QPainter& painter) {
    const QSize size(m_figure.width, m_figure.height);
    paintPage(painter, m_figure);
    const qreal top = paintTitle(painter, size, m_figure.title, m_notes);
    const qreal margin = size.width() < 200 ? 5 : 8;
    const QSizeF room(size.width() - 2 * margin - 1, size.height() - top - margin - 1);

    // Smaller type first, down to WrapFrom; below that wrapping is tried at each size as well.
    Layout layout;
    for (int px = MaxPixelSize; px >= MinPixelSize && !layout.fits; --px) {
        layout = layoutAt(px, false, room);
        if (!layout.fits && px <= WrapFrom)
            layout = layoutAt(px, true, room);
    }
    if (!layout.fits)
        m_notes.add(u"the table does not fit in " + QString::number(std::lround(room.width())) +
                    u" x " + QString::number(std::lround(room.height())) + u" pixels");

    const qreal left = std::floor(margin + std::max<qreal>(0, (room.width() - layout.width()) / 2));
    const QRectF table(left, std::floor(top), layout.width(), layout.height());

    painter.save();
    painter.fillRect(QRectF(table.topLeft(), QSizeF(table.width(), layout.rowHeights.at(0))),
                     HeaderShade);
    painter.setPen(Palette::Ink);
    qreal y = table.top();
    for (int row = 0; row <= m_figure.rows.size(); ++row) {
        painter.setFont(cellFont(layout.pixelSize, row));
        const QStringList& cells = rowCells(row);
        qreal x = table.left();
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const QRectF cell(x, y, layout.columnWidths.at(c), layout.rowHeights.at(row));
            const QRectF inner = cell.adjusted(padX(layout.pixelSize), padY(layout.pixelSize),
                                               -padX(layout.pixelSize), -padY(layout.pixelSize));
            const int flags =
                Qt::AlignLeft | Qt::AlignVCenter | (layout.wrap ? Qt::TextWordWrap : 0);
            painter.drawText(inner, flags | Qt::TextDontClip, cells.at(c));
            x += layout.columnWidths.at(c);
        }
        y += layout.rowHeights.at(row);
    }

    // Grid lines on whole pixels, without smoothing, so that they stay one pixel thin.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(GridColour, 1));
    const int x0 = static_cast<int>(table.left());
    const int y0 = static_cast<int>(table.top());
    const int x1 = static_cast<int>(table.right());
    const int y1 = static_cast<int>(table.bottom());
    int gy = y0;
    painter.drawLine(x0, gy, x1, gy);
    for (qreal h : std::as_const(layout.rowHeights)) {
        gy += static_cast<int>(h);
        painter.drawLine(x0, gy, x1, gy);
    }
    int gx = x0;
    painter.drawLine(gx, y0, gx, y1);
    for (qreal w : std::as_const(layout.columnWidths)) {
        gx += static_cast<int>(w);
        painter.drawLine(gx, y0, gx, y1);
    }
    painter.restore();
}
