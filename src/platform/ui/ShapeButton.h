#pragma once

#include <QColor>
#include <QPushButton>

// A rounded, shaded push button in one colour with white text.
class ShapeButton : public QPushButton {
    Q_OBJECT
public:
    explicit ShapeButton(const QString& text, QWidget* parent = nullptr);

    void setColor(const QColor& color);
    QColor color() const { return m_color; }
    // How round the corners are, in pixels.
    void setRoundness(int pixels) { m_roundness = pixels; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color = QColor(0, 0, 128);
    int m_roundness = 15;
};
