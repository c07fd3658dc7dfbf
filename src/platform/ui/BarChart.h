#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QWidget>

class QPainter;

// What a horizontal bar chart shows: one series of bars, the first drawn at the bottom, on
// a fixed value axis, under optional title lines.
struct BarChartData {
    struct Bar {
        double value;
        QString label;
        QColor color;
    };
    QList<Bar> bars;
    double minimum = 0;
    double maximum = 100;
    double step = 10;
    QStringList title;
    QFont titleFont;
    QColor titleColor = Qt::black;
    Qt::Alignment titleAlignment = Qt::AlignHCenter;
    // A boxed title sits on this colour inside a thin frame; invalid means no box.
    QColor titleBox = QColor();
    QFont axisFont;
    QFont labelFont;
    int barWidthPercent = 80;
    QColor background = Qt::white;
    bool border = false;

    void clear() { bars.clear(); }
    void addBar(double value, const QString& label, const QColor& color) {
        bars.append(Bar{value, label, color});
    }
};

// One paint routine for the screen, the printer and PDF. Sizes of fonts given in pixels are
// scaled by `pixelScale` (device pixels per screen pixel).
void PaintBarChart(QPainter& painter, const QRectF& area, const BarChartData& data,
                   qreal pixelScale = 1.0);

class BarChart : public QWidget {
    Q_OBJECT
public:
    explicit BarChart(QWidget* parent = nullptr) : QWidget(parent) {}
    BarChartData& data() { return m_data; }
    const BarChartData& data() const { return m_data; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BarChartData m_data;
};
