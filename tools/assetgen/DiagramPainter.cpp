#include "DiagramPainter.h"

#include "NodeIcons.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

const QColor LinkColour(0x4f, 0x5b, 0x66);
const QColor LinkLabelColour(0x1f, 0x3f, 0x66);

QString nodeName(const Figure::Node& node) {
    return u"node \"" + node.id + u'"';
}

// Where the segment from inside rect towards `to` leaves the rectangle.
QPointF exitPoint(const QRectF& rect, const QPointF& from, const QPointF& to) {
    const QPointF d = to - from;
    qreal t = 1;
    if (d.x() > 0)
        t = std::min(t, (rect.right() - from.x()) / d.x());
    if (d.x() < 0)
        t = std::min(t, (rect.left() - from.x()) / d.x());
    if (d.y() > 0)
        t = std::min(t, (rect.bottom() - from.y()) / d.y());
    if (d.y() < 0)
        t = std::min(t, (rect.top() - from.y()) / d.y());
    return from + d * std::clamp<qreal>(t, 0, 1);
}

bool overlaps(const QRectF& a, const QRectF& b) {
    constexpr qreal tolerance = 1.5;
    const QRectF overlap = a.intersected(b);
    return overlap.width() > tolerance && overlap.height() > tolerance;
}

} // namespace

DiagramPainter::DiagramPainter(const Figure& figure, RenderNotes& notes)
    : m_figure(figure), m_notes(notes) {
    // Icons are drawn at the size of a 128 x 128 icon, twice that at 256 x 256; smaller
    // figures get smaller node icons.
    const int side = std::min(figure.width, figure.height);
    if (figure.format == Figure::Format::Ico)
        m_scale = side / 128.0;
    else
        m_scale = std::clamp(side / 220.0, 0.6, 1.0);
}

void DiagramPainter::paint(QPainter& painter) {
    const QSize size(m_figure.width, m_figure.height);
    m_iconRects.clear();
    m_placed.clear();
    paintPage(painter, m_figure);
    const qreal contentTop = paintTitle(painter, size, m_figure.title, m_notes);
    if (!m_figure.title.isEmpty())
        m_placed.append(
            {QStringLiteral("the title"), QRectF(0, 0, size.width(), contentTop - 4), -1});

    // Lay everything out first: node labels under their icons, then each link label where it
    // is clear of those.
    for (qsizetype i = 0; i < m_figure.nodes.size(); ++i) {
        const Figure::Node& node = m_figure.nodes.at(i);
        m_iconRects.append(nodeIconRect(node.type, node.centre, m_scale));
        m_placed.append({nodeName(node), m_iconRects.last(), static_cast<int>(i)});
    }
    QList<PlacedText> nodeLabels;
    for (qsizetype i = 0; i < m_figure.nodes.size(); ++i) {
        nodeLabels.append(layoutNodeLabel(static_cast<int>(i)));
        if (!nodeLabels.last().text.isEmpty() && !nodeLabels.last().box.isEmpty())
            m_placed.append({u"label of " + nodeName(m_figure.nodes.at(i)), nodeLabels.last().box,
                             static_cast<int>(i)});
    }
    QList<PlacedText> linkLabels;
    for (qsizetype i = 0; i < m_figure.links.size(); ++i) {
        linkLabels.append(layoutLinkLabel(static_cast<int>(i)));
        if (!linkLabels.last().text.isEmpty())
            m_placed.append({u"label of link " + QString::number(i + 1), linkLabels.last().box,
                             static_cast<int>(-2 - i)});
    }

    painter.setPen(QPen(LinkColour, std::max<qreal>(1.2, 1.8 * m_scale)));
    for (const Figure::Link& link : m_figure.links)
        painter.drawLine(m_figure.nodes.at(link.from).centre, m_figure.nodes.at(link.to).centre);
    for (qsizetype i = 0; i < m_figure.nodes.size(); ++i)
        paintNodeIcon(painter, m_figure.nodes.at(i).type, m_iconRects.at(i));

    painter.save();
    for (const PlacedText& label : std::as_const(linkLabels)) {
        if (label.text.isEmpty())
            continue;
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRect(label.box.adjusted(-3, -1, 3, 1));
        painter.setPen(LinkLabelColour);
        painter.setFont(label.fit.font);
        painter.drawText(label.box, label.fit.flags | Qt::TextDontClip, label.text);
    }
    for (qsizetype i = 0; i < nodeLabels.size(); ++i) {
        const PlacedText& label = nodeLabels.at(i);
        if (label.text.isEmpty())
            continue;
        // Labels under icons get a light backing so that links running under them stay
        // readable; a label inside a cloud needs none.
        if (!label.insideIcon) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(255, 255, 255, 225));
            painter.drawRoundedRect(label.box.adjusted(-2, -1, 2, 1), 2, 2);
        }
        painter.setPen(Palette::Ink);
        painter.setFont(label.fit.font);
        painter.drawText(label.box, label.fit.flags | Qt::TextDontClip, label.text);
    }
    painter.restore();
    noteProblems(size);
}

DiagramPainter::PlacedText DiagramPainter::layoutNodeLabel(int index) {
    const Figure::Node& node = m_figure.nodes.at(index);
    PlacedText placed{node.label, {}, {}, false};
    if (node.label.isEmpty())
        return placed;
    const QRectF icon = m_iconRects.at(index);
    const int maxPx = static_cast<int>(std::lround(12 * m_scale));
    constexpr int minPx = 7;

    if (node.type == Figure::NodeType::Cloud) {
        // Inside the cloud when it fits there without getting small.
        const QRectF inside(icon.left() + icon.width() * 0.16, icon.top() + icon.height() * 0.3,
                            icon.width() * 0.68, icon.height() * 0.56);
        placed.fit = fitText(node.label, inside.size(), sansFont(maxPx), maxPx,
                             std::max(minPx, maxPx - 3), Qt::AlignCenter, false);
        if (placed.fit.fits) {
            placed.box = QRectF(QPointF(0, 0), placed.fit.size);
            placed.box.moveCenter(inside.center());
            placed.insideIcon = true;
            return placed;
        }
    }

    const qreal maxWidth = std::min<qreal>(170 * m_scale, m_figure.width - 8);
    const qreal maxHeight = std::max<qreal>(14, m_figure.height - icon.bottom() - 4);
    placed.fit = fitText(node.label, QSizeF(maxWidth, maxHeight), sansFont(maxPx), maxPx, minPx,
                         Qt::AlignHCenter | Qt::AlignTop);
    if (!placed.fit.fits)
        m_notes.add(u"label of " + nodeName(node) + u' ' + excerpt(node.label) +
                    u" does not fit under the icon");
    // Centred under the icon, moved sideways to stay inside the frame.
    placed.box = QRectF(0, icon.bottom() + 2, std::min(placed.fit.size.width(), maxWidth),
                        placed.fit.size.height());
    placed.box.moveLeft(std::clamp(icon.center().x() - placed.box.width() / 2, 4.0,
                                   std::max(4.0, m_figure.width - 4 - placed.box.width())));
    return placed;
}

bool DiagramPainter::isFree(const QRectF& box) const {
    if (!QRectF(0, 0, m_figure.width, m_figure.height).adjusted(2, 2, -2, -2).contains(box))
        return false;
    return std::none_of(m_placed.cbegin(), m_placed.cend(),
                        [&box](const Placed& placed) { return overlaps(placed.rect, box); });
}

DiagramPainter::PlacedText DiagramPainter::layoutLinkLabel(int index) {
    const Figure::Link& link = m_figure.links.at(index);
    PlacedText placed{link.label, {}, {}, false};
    if (link.label.isEmpty())
        return placed;
    const int maxPx = static_cast<int>(std::lround(11 * m_scale));
    placed.fit = fitText(link.label, QSizeF(std::min(150.0, m_figure.width - 8.0), 60),
                         sansFont(maxPx), maxPx, 7, Qt::AlignCenter);
    if (!placed.fit.fits)
        m_notes.add(u"label of link " + QString::number(index + 1) + u' ' + excerpt(link.label) +
                    u" does not fit");

    // On the part of the link that shows between the two icons: in the middle when that spot
    // is clear, else at the clear spot nearest to the middle.
    const QPointF a = m_figure.nodes.at(link.from).centre;
    const QPointF b = m_figure.nodes.at(link.to).centre;
    const QPointF start = exitPoint(m_iconRects.at(link.from), a, b);
    const QPointF end = exitPoint(m_iconRects.at(link.to), b, a);
    placed.box = QRectF(QPointF(0, 0), placed.fit.size);
    constexpr int steps = 8;
    for (int step = 0; step <= steps; ++step) {
        for (int side : {1, -1}) {
            const qreal t = 0.5 + side * 0.5 * step / (steps + 1);
            QRectF box = placed.box;
            box.moveCenter(start + (end - start) * t);
            if (isFree(box.adjusted(-3, -1, 3, 1))) {
                placed.box = box;
                return placed;
            }
            if (step == 0)
                break;
        }
    }
    placed.box.moveCenter((start + end) / 2);
    return placed;
}

void DiagramPainter::noteProblems(const QSize& size) {
    const QRectF picture = QRectF(QPointF(0, 0), size).adjusted(1, 1, -1, -1);
    for (const Placed& placed : std::as_const(m_placed)) {
        if (placed.owner != -1 && !picture.contains(placed.rect))
            m_notes.add(placed.name + u" runs outside the picture");
    }
    // Overlaps between different things; a node's own label touching its icon is expected.
    for (qsizetype i = 0; i < m_placed.size(); ++i) {
        for (qsizetype j = i + 1; j < m_placed.size(); ++j) {
            const Placed& a = m_placed.at(i);
            const Placed& b = m_placed.at(j);
            if (a.owner != b.owner && overlaps(a.rect, b.rect))
                m_notes.add(a.name + u" overlaps " + b.name);
        }
    }
}
