#pragma once

#include <QColor>
#include <QWidget>

// A label whose text is drawn over a dark shadow a few pixels down and right.
class OutlinedLabel : public QWidget {
    Q_OBJECT
public:
    explicit OutlinedLabel(const QString& text = QString(), QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return m_text; }
    void setColor(const QColor& color);
    QColor color() const { return m_color; }
    void setShadowDepth(int pixels);
    int shadowDepth() const { return m_shadowDepth; }
    void setAlignment(Qt::Alignment alignment);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QColor m_color = Qt::white;
    QColor m_shadow = QColor(64, 64, 64);
    int m_shadowDepth = 1;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
};
