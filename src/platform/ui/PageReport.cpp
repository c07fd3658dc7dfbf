#include "PageReport.h"

#include <QDate>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace {
template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;
} // namespace

void PageReport::add(const QString& name, Element element) {
    m_elements.append({name, std::move(element)});
}

template <class T> T& PageReport::element(const QString& name) {
    for (auto& [elementName, element] : m_elements)
        if (elementName == name && std::holds_alternative<T>(element))
            return std::get<T>(element);
    // The layouts are fixed in code: a wrong name is a programming error.
    qFatal("PageReport: no element %s of that kind", qPrintable(name));
}

PageReport::Label& PageReport::label(const QString& name) {
    return element<Label>(name);
}

PageReport::Memo& PageReport::memo(const QString& name) {
    return element<Memo>(name);
}

void PageReport::render(QPainter& painter, qreal dotsPerMm) const {
    auto rect = [dotsPerMm](const QRectF& mm) {
        return QRectF(mm.x() * dotsPerMm, mm.y() * dotsPerMm, mm.width() * dotsPerMm,
                      mm.height() * dotsPerMm);
    };
    // Pixel sizes are screen pixels at 96 per inch.
    const qreal pixelScale = dotsPerMm * 25.4 / 96.0;
    for (const auto& [name, element] : m_elements) {
        std::visit(Overloaded{
                       [&](const Label& label) {
                           if (label.background.isValid())
                               painter.fillRect(rect(label.mm), label.background);
                           painter.setFont(label.font);
                           painter.setPen(label.color);
                           painter.drawText(rect(label.mm), int(label.alignment) | Qt::TextDontClip,
                                            label.text);
                       },
                       [&](const Memo& memo) {
                           // Wrapped at its width; it grows downward to hold the whole text.
                           painter.setFont(memo.font);
                           painter.setPen(memo.color);
                           painter.drawText(rect(memo.mm),
                                            Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop |
                                                Qt::TextDontClip,
                                            memo.text);
                       },
                       [&](const Rule& rule) {
                           painter.setPen(QPen(Qt::black, rule.points / 72.0 * 25.4 * dotsPerMm));
                           painter.drawLine(QPointF(rule.mm.x(), rule.mm.y()) * dotsPerMm,
                                            QPointF(rule.mm.x() + rule.widthMm, rule.mm.y()) *
                                                dotsPerMm);
                       },
                       [&](const Frame& frame) {
                           painter.setPen(QPen(Qt::black, 0.25 * dotsPerMm));
                           painter.setBrush(Qt::NoBrush);
                           painter.drawRect(rect(frame.mm));
                       },
                       [&](const DateField& date) {
                           painter.setFont(date.font);
                           painter.setPen(Qt::black);
                           painter.drawText(
                               rect(date.mm), int(date.alignment) | Qt::TextDontClip,
                               QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
                       },
                       [&](const Chart& chart) {
                           if (chart.data)
                               PaintBarChart(painter, rect(chart.mm), *chart.data, pixelScale);
                       },
                   },
                   element);
    }
}

bool PageReport::writePdf(const QString& path) const {
    QPdfWriter writer(path);
    writer.setTitle(documentName);
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(pageMm, QPageSize::Millimeter),
                                     QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                     QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    render(painter, writer.resolution() / 25.4);
    return painter.end();
}

bool PageReport::print(QPrinter& printer) const {
    printer.setDocName(documentName);
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    render(painter, printer.resolution() / 25.4);
    return painter.end();
}
