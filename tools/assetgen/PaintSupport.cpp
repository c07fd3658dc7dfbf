#include "PaintSupport.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

QFont sansFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, pixelSize));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont monoFont(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPixelSize(std::max(1, pixelSize));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QString excerpt(const QString& text) {
    QString line = text.section(u'\n', 0, 0);
    if (line.size() > 40)
        line = line.left(37) + u"...";
    return u'"' + line + u'"';
}

namespace {

QSizeF measure(const QString& text, const QFont& font, qreal width, int flags) {
    const QFontMetricsF metrics(font);
    return metrics.boundingRect(QRectF(0, 0, width, 1e6), flags, text).size();
}

bool within(const QSizeF& size, const QSizeF& box) {
    constexpr qreal slack = 0.5;
    return size.width() <= box.width() + slack && size.height() <= box.height() + slack;
}

} // namespace

TextFit fitText(const QString& text, const QSizeF& box, const QFont& font, int maxPixelSize,
                int minPixelSize, int alignment, bool allowWrap) {
    minPixelSize = std::min(minPixelSize, maxPixelSize);
    const int wrapFrom = std::max(minPixelSize, static_cast<int>(std::lround(maxPixelSize * 0.8)));
    TextFit fit;
    for (int px = maxPixelSize; px >= minPixelSize; --px) {
        fit.font = font;
        fit.font.setPixelSize(px);
        fit.flags = alignment;
        fit.size = measure(text, fit.font, box.width(), fit.flags);
        if (within(fit.size, box)) {
            fit.fits = true;
            return fit;
        }
        if (allowWrap && px <= wrapFrom) {
            fit.flags = alignment | Qt::TextWordWrap;
            fit.size = measure(text, fit.font, box.width(), fit.flags);
            if (within(fit.size, box)) {
                fit.fits = true;
                return fit;
            }
        }
    }
    fit.fits = false;
    return fit;
}

TextFit drawFittedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                       int maxPixelSize, int minPixelSize, int alignment, RenderNotes& notes,
                       const QString& what) {
    const TextFit fit =
        fitText(text, box.size(), font, maxPixelSize, minPixelSize, alignment, true);
    if (!fit.fits)
        notes.add(what + u' ' + excerpt(text) + u" does not fit in " +
                  QString::number(std::lround(box.width())) + u" x " +
                  QString::number(std::lround(box.height())) + u" pixels");
    painter.save();
    painter.setFont(fit.font);
    // Qt does not clip without Qt::TextDontClip either, but a box that is too small would still
    // shift the text; a box at least as large as the text keeps the requested alignment.
    QRectF target = box;
    if (!fit.fits) {
        const qreal extra = std::max<qreal>(0, fit.size.height() - box.height());
        target.adjust(0, 0, 0, extra);
    }
    painter.drawText(target, fit.flags | Qt::TextDontClip, text);
    painter.restore();
    return fit;
}

void paintPage(QPainter& painter, const Figure& figure) {
    const QSize size(figure.width, figure.height);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    if (figure.format == Figure::Format::Ico)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Palette::Frame, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(0, 0, size.width() - 1, size.height() - 1));
    painter.restore();
}

qreal paintTitle(QPainter& painter, const QSize& size, const QString& title, RenderNotes& notes) {
    const qreal margin = size.width() < 200 ? 5 : 8;
    if (title.isEmpty())
        return margin;
    const QRectF box(margin, margin - 2, size.width() - 2 * margin, size.height() * 0.22);
    const TextFit fit =
        fitText(title, box.size(), sansFont(14, true), 14, 8, Qt::AlignHCenter | Qt::AlignTop);
    painter.save();
    painter.setPen(Palette::Ink);
    drawFittedText(painter, box, title, sansFont(14, true), 14, 8, Qt::AlignHCenter | Qt::AlignTop,
                   notes, QStringLiteral("title"));
    painter.restore();
    return box.top() + fit.size.height() + margin;
}
