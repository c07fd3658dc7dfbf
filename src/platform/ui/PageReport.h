#pragma once

#include "BarChart.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QRectF>
#include <QString>
#include <functional>
#include <variant>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

// One printed page laid out in millimetres: labels, rules, rectangles, a date field and
// charts. The same drawing serves the printer and PDF.
class PageReport {
public:
    struct Label {
        QRectF mm;
        QString text;
        QFont font;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        QColor color = Qt::black;
        // An opaque label hides what was drawn under it; invalid means transparent.
        QColor background = QColor();
    };
    // Text wrapped at its width; it grows downward from its height to fit the text.
    struct Memo {
        QRectF mm;
        QString text;
        QFont font;
        QColor color = Qt::black;
    };
    struct Rule {
        QPointF mm;
        qreal widthMm;
        qreal points;
    };
    struct Frame {
        QRectF mm;
    };
    struct DateField {
        QRectF mm;
        QFont font;
        Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter;
    };
    struct Chart {
        QRectF mm;
        const BarChartData* data;
    };
    using Element = std::variant<Label, Memo, Rule, Frame, DateField, Chart>;

    QString documentName;
    QSizeF pageMm{210, 296};
    qreal marginMm = 6.35;

    void add(const QString& name, Element element);
    // The label or memo of that name; its text is set at run time.
    Label& label(const QString& name);
    Memo& memo(const QString& name);

    void render(QPainter& painter, qreal dotsPerMm) const;
    // Writes the page to a PDF file; false if it cannot be written.
    bool writePdf(const QString& path) const;
    // Prints on a printer already set up (its dialog answered); false if the printer or its
    // output file cannot be opened.
    bool print(QPrinter& printer) const;

private:
    template <class T> T& element(const QString& name);

    QList<std::pair<QString, Element>> m_elements;
};
