#include "OutlinedLabel.h"

#include <QPainter>

OutlinedLabel::OutlinedLabel(const QString& text, QWidget* parent) : QWidget(parent) {
    setText(text);
}

void OutlinedLabel::setText(const QString& text) {
    m_text = text;
    setAccessibleName(text);
    update();
}

void OutlinedLabel::setColor(const QColor& color) {
    m_color = color;
    update();
}

void OutlinedLabel::setShadowDepth(int pixels) {
    m_shadowDepth = pixels;
    update();
}

void OutlinedLabel::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

QSize OutlinedLabel::sizeHint() const {
    const QFontMetrics metrics(font());
    return metrics.size(0, m_text) + QSize(m_shadowDepth, m_shadowDepth);
}

void OutlinedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font());
    const QRect area = rect().adjusted(0, 0, -m_shadowDepth, -m_shadowDepth);
    painter.setPen(m_shadow);
    painter.drawText(area.translated(m_shadowDepth, m_shadowDepth), int(m_alignment), m_text);
    painter.setPen(m_color);
    painter.drawText(area, int(m_alignment), m_text);
}
