#include "TextPainter.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr int MaxPixelSize = 13;
constexpr int MinPixelSize = 7;
constexpr int WrapFrom = 10;

const QColor ConsoleBackground(0, 0, 0);
const QColor ConsoleInk(0xc0, 0xc0, 0xc0);

QString expandTabs(const QString& line) {
    QString out;
    for (const QChar c : line) {
        if (c == u'\t')
            out += QString(8 - out.size() % 8, u' ');
        else
            out += c;
    }
    return out;
}

// Breaks lines longer than columns characters: after the last space in the second half of the
// piece where there is one, else right at the column.
QStringList breakLines(const QStringList& lines, int columns) {
    QStringList out;
    for (QString line : lines) {
        while (columns > 1 && line.size() > columns) {
            qsizetype cut = line.lastIndexOf(u' ', columns - 1) + 1;
            if (cut <= columns / 2)
                cut = columns;
            out.append(line.left(cut));
            line = line.mid(cut);
        }
        out.append(line);
    }
    return out;
}

} // namespace

TextPainter::TextPainter(const Figure& figure, RenderNotes& notes)
    : m_figure(figure), m_notes(notes) {}

void TextPainter::paint(QPainter& painter) {
    const QSize size(m_figure.width, m_figure.height);
    if (m_figure.textStyle == Figure::TextStyle::Plain) {
        paintPage(painter, m_figure);
        const qreal top = paintTitle(painter, size, m_figure.title, m_notes);
        const qreal margin = size.width() < 200 ? 5 : 8;
        paintListing(painter,
                     QRectF(margin, top, size.width() - 2 * margin, size.height() - top - margin),
                     Palette::Ink);
        return;
    }

    // A console window: an optional title bar over the black text area.
    painter.fillRect(QRect(QPoint(0, 0), size), ConsoleBackground);
    qreal top = 0;
    if (!m_figure.title.isEmpty()) {
        const qreal barHeight = std::round(std::clamp(size.height() * 0.1, 16.0, 22.0));
        const QRectF bar(0, 0, size.width(), barHeight);
        QLinearGradient gradient(bar.topLeft(), bar.topRight());
        gradient.setColorAt(0, QColor(0x0a, 0x24, 0x6a));
        gradient.setColorAt(1, QColor(0xa6, 0xca, 0xf0));
        painter.fillRect(bar, gradient);
        painter.setPen(Qt::white);
        const int px = static_cast<int>(barHeight) - 8;
        drawFittedText(painter, bar.adjusted(5, 0, -5, 0), m_figure.title, sansFont(px, true), px,
                       7, Qt::AlignLeft | Qt::AlignVCenter, m_notes, QStringLiteral("title"));
        top = barHeight;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(QRect(0, 0, size.width() - 1, size.height() - 1));
    painter.restore();
    const qreal pad = size.width() < 200 ? 4 : 7;
    paintListing(painter,
                 QRectF(pad, top + pad, size.width() - 2 * pad, size.height() - top - 2 * pad),
                 ConsoleInk);
}

void TextPainter::paintListing(QPainter& painter, const QRectF& area, const QColor& ink) {
    QStringList lines;
    for (const QString& line : m_figure.lines)
        lines.append(expandTabs(line));

    QFont font;
    QStringList shown;
    bool fits = false;
    for (int px = MaxPixelSize; px >= MinPixelSize && !fits; --px) {
        font = monoFont(px);
        const QFontMetricsF metrics(font);
        const qreal advance = metrics.horizontalAdvance(u'M');
        const int columns = static_cast<int>(std::floor(area.width() / advance));
        const int rows = static_cast<int>(std::floor(area.height() / metrics.lineSpacing()));
        qsizetype longest = 0;
        for (const QString& line : std::as_const(lines))
            longest = std::max(longest, line.size());
        shown = lines;
        if (longest > columns && px <= WrapFrom)
            shown = breakLines(lines, columns);
        fits = shown.size() <= rows && (longest <= columns || px <= WrapFrom);
    }
    if (!fits)
        m_notes.add(u"the listing of " + QString::number(lines.size()) +
                    u" lines does not fit in " + QString::number(std::lround(area.width())) +
                    u" x " + QString::number(std::lround(area.height())) + u" pixels");

    const QFontMetricsF metrics(font);
    painter.save();
    painter.setFont(font);
    painter.setPen(ink);
    qreal baseline = area.top() + metrics.ascent();
    for (const QString& line : std::as_const(shown)) {
        painter.drawText(QPointF(area.left(), baseline), line);
        baseline += metrics.lineSpacing();
    }
    painter.restore();
}
