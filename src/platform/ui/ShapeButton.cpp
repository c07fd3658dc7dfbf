#include "ShapeButton.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>

ShapeButton::ShapeButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setFlat(true);
}

void ShapeButton::setColor(const QColor& color) {
    m_color = color;
    update();
}

void ShapeButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = std::min<qreal>(m_roundness, area.height() / 2);
    QPainterPath shape;
    shape.addRoundedRect(area, radius, radius);

    QColor face = isEnabled() ? m_color : QColor(128, 128, 128);
    if (isDown())
        face = face.darker(130);
    // Highlight shading: lighter at the top, the button's colour below.
    QLinearGradient shading(area.topLeft(), area.bottomLeft());
    shading.setColorAt(0, face.lighter(isDown() ? 120 : 190));
    shading.setColorAt(0.5, face);
    shading.setColorAt(1, face.darker(120));
    painter.fillPath(shape, shading);
    painter.setPen(QPen(face.darker(160), 1));
    painter.drawPath(shape);
    if (hasFocus()) {
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRoundedRect(area.adjusted(3, 3, -3, -3), radius - 3, radius - 3);
    }
    painter.setPen(Qt::white);
    painter.setFont(font());
    // Drawn through the style so the mnemonic letter is underlined like on other buttons.
    QStyleOptionButton option;
    initStyleOption(&option);
    // A button whose shortcut was taken away shows no underline it cannot keep.
    const int mnemonic = shortcut().isEmpty() ? Qt::TextHideMnemonic : Qt::TextShowMnemonic;
    style()->drawItemText(&painter, rect(), Qt::AlignCenter | mnemonic, palette(), isEnabled(),
                          text(), QPalette::NoRole);
}
