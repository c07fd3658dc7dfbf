#include "BuiltinPictures.h"

#include "DiagramPainter.h"
#include "Figure.h"

#include <QPainter>
#include <QPainterPath>

namespace BuiltinPictures {

namespace {

QImage blank(const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void preparePainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
}

// A small stack of answer cards, the front one ticked.
void paintCardStack(QPainter& p, const QRectF& front) {
    const QColor navy = Palette::Navy;
    const QPointF step(4, -4);
    const QColor fills[] = {QColor(0xc9, 0xcf, 0xec), QColor(0xe3, 0xe6, 0xf6), Qt::white};
    for (int i = 2; i >= 0; --i) {
        p.setPen(QPen(navy, 1.3));
        p.setBrush(fills[2 - i]);
        p.drawRoundedRect(front.translated(step * i), 3, 3);
    }
    // Two faint lines of text on the front card.
    p.setPen(QPen(QColor(0xa8, 0xb0, 0xd8), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 2; ++i) {
        const qreal y = front.top() + 6 + 4 * i;
        p.drawLine(QPointF(front.left() + 5, y), QPointF(front.right() - 5 - 5 * i, y));
    }
    // The tick.
    QPainterPath tick;
    tick.moveTo(front.left() + front.width() * 0.2, front.top() + front.height() * 0.62);
    tick.lineTo(front.left() + front.width() * 0.42, front.top() + front.height() * 0.84);
    tick.lineTo(front.left() + front.width() * 0.86, front.top() + front.height() * 0.36);
    p.setPen(QPen(QColor(0x1e, 0x8e, 0x3e), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

Figure printNetworkDiagram() {
    using T = Figure::NodeType;
    Figure figure;
    figure.width = PrintNetworkSize.width();
    figure.height = PrintNetworkSize.height();
    figure.kind = Figure::Kind::Diagram;
    figure.nodes = {
        {QStringLiteral("host1"), T::Host, QStringLiteral("Remote host 1"), QPointF(121, 128)},
        {QStringLiteral("host2"), T::Host, QStringLiteral("Remote host 2"), QPointF(110, 198)},
        {QStringLiteral("net"), T::Cloud, QStringLiteral("TCP/IP network"), QPointF(262, 166)},
        {QStringLiteral("server"), T::Server, QStringLiteral("Halvard print server"),
         QPointF(404, 158)},
        {QStringLiteral("printer"), T::Printer, QStringLiteral("Network printer"),
         QPointF(516, 162)},
    };
    figure.links = {{0, 2, {}}, {1, 2, {}}, {3, 2, {}}, {3, 4, {}}};
    return figure;
}

} // namespace

QImage logo(RenderNotes& notes) {
    QImage image = blank(LogoSize);
    QPainter p(&image);
    preparePainter(p);
    paintCardStack(p, QRectF(5.5, 12.5, 28, 31));

    const QRectF wordBox(47, 1, LogoSize.width() - 50, 31);
    p.setPen(Palette::Navy);
    drawFittedText(p, wordBox, QStringLiteral("Tarnwick"), sansFont(29, true), 29, 18,
                   Qt::AlignLeft | Qt::AlignBottom, notes, QStringLiteral("wordmark"));

    QFont subtitle = sansFont(11);
    subtitle.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    p.setPen(QColor(0x55, 0x5a, 0x70));
    drawFittedText(p, QRectF(49, 32, LogoSize.width() - 52, 14), QStringLiteral("Practice Exams"),
                   subtitle, 11, 8, Qt::AlignLeft | Qt::AlignVCenter, notes,
                   QStringLiteral("subtitle"));
    p.end();
    return image;
}

QImage printNetwork(RenderNotes& notes) {
    QImage image = blank(PrintNetworkSize);
    QPainter p(&image);
    preparePainter(p);
    const Figure figure = printNetworkDiagram();
    DiagramPainter(figure, notes).paint(p);

    // What goes into each slot, on the side facing the computer it belongs to.
    struct Caption {
        QString text;
        bool below;
    };
    const Caption captions[] = {
        {QStringLiteral("Check the print queue from this host"), true},
        {QStringLiteral("Let remote hosts print to this server"), true},
        {QStringLiteral("Send print jobs from this host"), false},
        {QStringLiteral("Receive jobs from remote hosts"), false},
    };
    constexpr int margin = 4;
    constexpr int captionHeight = 15;
    for (qsizetype i = 0; i < PrintNetworkSlots.size(); ++i) {
        const QRect slot = PrintNetworkSlots.at(i);
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(QColor(0xb4, 0xb4, 0xb4), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(slot.adjusted(0, 0, -1, -1));
        p.restore();

        const int top = captions[i].below ? slot.bottom() + 1 + margin + 1
                                          : slot.top() - margin - 1 - captionHeight;
        const QRectF box(slot.center().x() - 110, top, 220, captionHeight);
        // Italic and blue-grey, so that they do not read as the names of the computers.
        QFont font = sansFont(12);
        font.setItalic(true);
        p.setPen(QColor(0x2a, 0x45, 0x66));
        drawFittedText(p, box, captions[i].text, font, 12, 9, Qt::AlignCenter, notes,
                       QStringLiteral("caption"));
    }
    p.end();
    return image;
}

} // namespace BuiltinPictures
