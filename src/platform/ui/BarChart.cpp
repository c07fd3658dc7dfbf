#include "BarChart.h"

#include <QPainter>

namespace {

QFont scaled(QFont font, qreal scale) {
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * scale)));
    return font;
}

} // namespace

void PaintBarChart(QPainter& painter, const QRectF& area, const BarChartData& data,
                   qreal pixelScale) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, data.background);
    const qreal margin = 5 * pixelScale;
    QRectF plot = area.adjusted(margin, margin, -margin, -margin);

    if (!data.title.isEmpty()) {
        const QFont titleFont = scaled(data.titleFont, pixelScale);
        const QFontMetricsF titleMetrics(titleFont);
        painter.setFont(titleFont);
        const qreal height = titleMetrics.height() * data.title.size();
        QRectF box(plot.left(), plot.top(), plot.width(), height);
        if (data.titleBox.isValid()) {
            qreal width = 0;
            for (const QString& line : data.title)
                width = std::max(width, titleMetrics.horizontalAdvance(line));
            const qreal pad = 2 * pixelScale;
            box.setWidth(std::min(plot.width(), width + 2 * pad));
            box.setHeight(height + 2 * pad);
            if (data.titleAlignment & Qt::AlignHCenter)
                box.moveLeft(plot.center().x() - box.width() / 2);
            else if (data.titleAlignment & Qt::AlignRight)
                box.moveRight(plot.right());
            painter.fillRect(box, data.titleBox);
            painter.setPen(QPen(Qt::black, pixelScale));
            painter.drawRect(box);
        }
        painter.setPen(data.titleColor);
        painter.drawText(box,
                         int(data.titleAlignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter,
                         data.title.join(u'\n'));
        plot.setTop(box.bottom() + 2 * pixelScale);
    }

    const QFont labelFont = scaled(data.labelFont, pixelScale);
    const QFont axisFont = scaled(data.axisFont, pixelScale);
    const QFontMetricsF labelMetrics(labelFont);
    const QFontMetricsF axisMetrics(axisFont);
    qreal labelWidth = 0;
    for (const auto& bar : data.bars)
        for (const QString& line : bar.label.split(u'\n'))
            labelWidth = std::max(labelWidth, labelMetrics.horizontalAdvance(line));
    plot.setLeft(plot.left() + labelWidth + 6 * pixelScale);
    // Room for half of the last axis label, which is centred on the right end.
    const QString lastAxisLabel = QString::number(data.maximum, 'g', 10);
    plot.setRight(plot.right() - axisMetrics.horizontalAdvance(lastAxisLabel) / 2);
    plot.setBottom(plot.bottom() - axisMetrics.height() - 4 * pixelScale);
    const qreal span = std::max(1e-9, data.maximum - data.minimum);
    auto xOf = [&](double value) {
        const double clamped = std::clamp(value, data.minimum, data.maximum);
        return plot.left() + (clamped - data.minimum) / span * plot.width();
    };

    // Value axis with its labels and grid.
    painter.setFont(axisFont);
    for (double v = data.minimum; v <= data.maximum + 1e-9; v += data.step) {
        const qreal x = xOf(v);
        painter.setPen(QPen(QColor(220, 220, 220), pixelScale));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(Qt::black);
        const QString text = QString::number(v, 'g', 10);
        const qreal w = axisMetrics.horizontalAdvance(text);
        painter.drawText(QPointF(x - w / 2, plot.bottom() + 2 * pixelScale + axisMetrics.ascent()),
                         text);
    }
    painter.setPen(QPen(Qt::black, pixelScale));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    // Bars: the first at the bottom.
    const int count = int(data.bars.size());
    if (count > 0) {
        const qreal slot = plot.height() / count;
        const qreal thickness = slot * data.barWidthPercent / 100.0;
        painter.setFont(labelFont);
        for (int i = 0; i < count; ++i) {
            const auto& bar = data.bars[i];
            const qreal centre = plot.bottom() - slot * (i + 0.5);
            const QRectF rect(QPointF(plot.left(), centre - thickness / 2),
                              QPointF(xOf(bar.value), centre + thickness / 2));
            painter.fillRect(rect, bar.color);
            painter.setPen(Qt::black);
            const QRectF labelRect(area.left() + margin, centre - slot / 2, labelWidth, slot);
            painter.drawText(labelRect, Qt::AlignRight | Qt::AlignVCenter, bar.label);
        }
    }
    if (data.border) {
        painter.setPen(QPen(Qt::black, pixelScale));
        painter.setBrush(Qt::NoBrush);
        const qreal inset = pixelScale / 2;
        painter.drawRect(area.adjusted(inset, inset, -inset, -inset));
    }
    painter.restore();
}

void BarChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBarChart(painter, rect(), m_data);
}
