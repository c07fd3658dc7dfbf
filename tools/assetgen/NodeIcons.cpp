#include "NodeIcons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace {

using NodeType = Figure::NodeType;

const QColor Outline(0x23, 0x3d, 0x5c);

QSizeF baseSize(NodeType type) {
    switch (type) {
    case NodeType::Router:
        return {48, 32};
    case NodeType::Switch:
        return {56, 30};
    case NodeType::Hub:
        return {56, 24};
    case NodeType::Host:
        return {42, 40};
    case NodeType::Server:
        return {32, 48};
    case NodeType::Printer:
        return {46, 38};
    case NodeType::Cloud:
        return {104, 60};
    case NodeType::Firewall:
        return {48, 34};
    }
    return {40, 40};
}

QLinearGradient verticalGradient(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(r.topLeft(), r.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

// A filled arrowhead at tip pointing along the direction from `from` to tip.
void arrowHead(QPainter& p, const QPointF& from, const QPointF& tip, qreal size) {
    const QPointF d = tip - from;
    const qreal length = std::hypot(d.x(), d.y());
    if (length <= 0)
        return;
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    const QPointF base = tip - u * size;
    p.drawPolygon(QPolygonF{tip, base + n * size * 0.6, base - n * size * 0.6});
}

void arrow(QPainter& p, const QPointF& from, const QPointF& tip, qreal width, qreal head) {
    const QPointF d = tip - from;
    const qreal length = std::hypot(d.x(), d.y());
    p.save();
    p.setPen(QPen(p.brush().color(), width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, tip - d / length * head * 0.8);
    p.setPen(Qt::NoPen);
    arrowHead(p, from, tip, head);
    p.restore();
}

void paintRouter(QPainter& p, const QRectF& r) {
    const qreal capHeight = r.height() * 0.42;
    const QRectF top(r.left(), r.top(), r.width(), capHeight);
    const QRectF bottom(r.left(), r.bottom() - capHeight, r.width(), capHeight);
    QPainterPath body;
    body.moveTo(r.left(), top.center().y());
    body.lineTo(r.left(), bottom.center().y());
    body.arcTo(bottom, 180, 180);
    body.lineTo(r.right(), top.center().y());
    body.arcTo(top, 0, -180);
    p.setPen(QPen(Outline, 1.2));
    p.setBrush(verticalGradient(r, QColor(0x2e, 0x6d, 0xb4), QColor(0x1c, 0x4a, 0x80)));
    p.drawPath(body);
    p.setBrush(QColor(0x6f, 0xa8, 0xdc));
    p.drawEllipse(top);

    // Four arrows on the top face: two pointing in, two pointing out.
    const QPointF c = top.center();
    const qreal dx = top.width() * 0.36;
    const qreal dy = top.height() * 0.34;
    p.setBrush(Qt::white);
    const qreal w = std::max<qreal>(1.2, r.width() / 30);
    const qreal head = r.width() / 11;
    arrow(p, c + QPointF(-dx, -dy), c + QPointF(-dx * 0.25, -dy * 0.25), w, head);
    arrow(p, c + QPointF(dx, dy), c + QPointF(dx * 0.25, dy * 0.25), w, head);
    arrow(p, c + QPointF(dx * 0.2, -dy * 0.2), c + QPointF(dx, -dy), w, head);
    arrow(p, c + QPointF(-dx * 0.2, dy * 0.2), c + QPointF(-dx, dy), w, head);
}

// A flat box seen a little from above; returns the front face.
QRectF paintSlab(QPainter& p, const QRectF& r, const QColor& topColour, const QColor& front) {
    const qreal depth = r.height() * 0.32;
    const qreal skew = depth * 0.9;
    const QRectF face(r.left(), r.top() + depth, r.width() - skew, r.height() - depth);
    p.setPen(QPen(Outline, 1.2));
    p.setBrush(topColour);
    p.drawPolygon(QPolygonF{face.topLeft(), QPointF(r.left() + skew, r.top()),
                            QPointF(r.right(), r.top()), face.topRight()});
    p.setBrush(topColour.darker(135));
    p.drawPolygon(QPolygonF{face.topRight(), QPointF(r.right(), r.top()),
                            QPointF(r.right(), r.bottom() - depth), face.bottomRight()});
    p.setBrush(verticalGradient(face, front.lighter(115), front.darker(110)));
    p.drawRect(face);
    return face;
}

void paintSwitch(QPainter& p, const QRectF& r) {
    const QRectF face = paintSlab(p, r, QColor(0x7f, 0xb8, 0xe0), QColor(0x2e, 0x6d, 0xb4));
    // Two pairs of opposite arrows on the front.
    p.setBrush(Qt::white);
    const qreal w = std::max<qreal>(1.2, r.width() / 36);
    const qreal head = face.height() * 0.3;
    const qreal y1 = face.top() + face.height() * 0.33;
    const qreal y2 = face.top() + face.height() * 0.70;
    const qreal l = face.left() + face.width() * 0.15;
    const qreal m = face.center().x();
    const qreal rr = face.right() - face.width() * 0.15;
    arrow(p, QPointF(m - 2, y1), QPointF(rr, y1), w, head);
    arrow(p, QPointF(m + 2, y2), QPointF(l, y2), w, head);
    arrow(p, QPointF(l + 2, y1), QPointF(m - 6, y1), w, 0.01);
    arrow(p, QPointF(rr - 2, y2), QPointF(m + 6, y2), w, 0.01);
}

void paintHub(QPainter& p, const QRectF& r) {
    const QRectF face = paintSlab(p, r, QColor(0xc9, 0xd3, 0xdd), QColor(0x8a, 0x9b, 0xad));
    // A row of ports.
    const int ports = 6;
    const qreal gap = face.width() / (ports * 2 + 1);
    const qreal portHeight = face.height() * 0.42;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x22, 0x2b, 0x35));
    for (int i = 0; i < ports; ++i)
        p.drawRect(QRectF(face.left() + gap * (2 * i + 1), face.center().y() - portHeight / 2, gap,
                          portHeight));
}

void paintHost(QPainter& p, const QRectF& r) {
    const qreal monitorHeight = r.height() * 0.72;
    const QRectF monitor(r.left() + r.width() * 0.06, r.top(), r.width() * 0.88, monitorHeight);
    p.setPen(QPen(Outline, 1.2));
    // Stand and foot.
    p.setBrush(QColor(0x9a, 0xa4, 0xae));
    const qreal cx = r.center().x();
    p.drawPolygon(QPolygonF{QPointF(cx - r.width() * 0.08, monitor.bottom()),
                            QPointF(cx + r.width() * 0.08, monitor.bottom()),
                            QPointF(cx + r.width() * 0.12, r.bottom() - r.height() * 0.08),
                            QPointF(cx - r.width() * 0.12, r.bottom() - r.height() * 0.08)});
    p.drawRoundedRect(QRectF(cx - r.width() * 0.32, r.bottom() - r.height() * 0.1, r.width() * 0.64,
                             r.height() * 0.1),
                      1.5, 1.5);
    // Monitor with its screen.
    p.setBrush(verticalGradient(monitor, QColor(0xe4, 0xe8, 0xec), QColor(0xb8, 0xc0, 0xc8)));
    p.drawRoundedRect(monitor, 2.5, 2.5);
    const qreal bezel = r.width() * 0.08;
    const QRectF screen = monitor.adjusted(bezel, bezel, -bezel, -bezel * 1.3);
    p.setPen(QPen(Outline, 0.8));
    p.setBrush(verticalGradient(screen, QColor(0x5b, 0x9b, 0xd5), QColor(0x1f, 0x4e, 0x8c)));
    p.drawRect(screen);
}

void paintServer(QPainter& p, const QRectF& r) {
    p.setPen(QPen(Outline, 1.2));
    p.setBrush(verticalGradient(r, QColor(0xd8, 0xdd, 0xe2), QColor(0xa6, 0xaf, 0xb8)));
    p.drawRoundedRect(r, 2.5, 2.5);
    // Two drive bays, a power light and vents.
    const qreal inset = r.width() * 0.16;
    const qreal bayHeight = r.height() * 0.11;
    p.setPen(QPen(Outline, 0.8));
    p.setBrush(QColor(0x5c, 0x66, 0x70));
    for (int i = 0; i < 2; ++i)
        p.drawRect(QRectF(r.left() + inset, r.top() + r.height() * (0.12 + 0.17 * i),
                          r.width() - 2 * inset, bayHeight));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2e, 0xb8, 0x4a));
    const qreal led = std::max<qreal>(2, r.width() * 0.1);
    p.drawEllipse(QRectF(r.left() + inset, r.top() + r.height() * 0.52, led, led));
    p.setPen(QPen(QColor(0x6b, 0x75, 0x80), 1));
    for (int i = 0; i < 4; ++i) {
        const qreal y = r.top() + r.height() * (0.66 + 0.07 * i);
        p.drawLine(QPointF(r.left() + inset, y), QPointF(r.right() - inset, y));
    }
}

void paintPrinter(QPainter& p, const QRectF& r) {
    p.setPen(QPen(Outline, 1.2));
    // Paper standing in the feeder at the back.
    const QRectF sheetIn(r.left() + r.width() * 0.24, r.top(), r.width() * 0.52, r.height() * 0.4);
    p.setBrush(Qt::white);
    p.drawRect(sheetIn);
    // The body.
    const QRectF body(r.left(), r.top() + r.height() * 0.3, r.width(), r.height() * 0.48);
    p.setBrush(verticalGradient(body, QColor(0xe6, 0xea, 0xee), QColor(0xa9, 0xb2, 0xbb)));
    p.drawRoundedRect(body, 3, 3);
    // The printed page coming out at the front, with lines of print.
    const QRectF sheetOut(r.left() + r.width() * 0.2, body.bottom() - r.height() * 0.12,
                          r.width() * 0.6, r.bottom() - body.bottom() + r.height() * 0.12);
    p.setBrush(Qt::white);
    p.drawRect(sheetOut);
    p.setPen(QPen(QColor(0x70, 0x78, 0x80), 1));
    for (int i = 1; i <= 2; ++i) {
        const qreal y = sheetOut.top() + sheetOut.height() * (0.35 * i);
        p.drawLine(QPointF(sheetOut.left() + 3, y), QPointF(sheetOut.right() - 3, y));
    }
    // Slot and status light.
    p.setPen(QPen(Outline, 1));
    p.drawLine(QPointF(body.left() + body.width() * 0.15, body.top() + body.height() * 0.3),
               QPointF(body.right() - body.width() * 0.15, body.top() + body.height() * 0.3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2e, 0xb8, 0x4a));
    const qreal led = std::max<qreal>(2, r.width() * 0.07);
    p.drawEllipse(
        QRectF(body.right() - body.width() * 0.13, body.top() + body.height() * 0.5, led, led));
}

void paintCloud(QPainter& p, const QRectF& r) {
    auto at = [&r](qreal x, qreal y, qreal w, qreal h) {
        return QRectF(r.left() + r.width() * x, r.top() + r.height() * y, r.width() * w,
                      r.height() * h);
    };
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill); // so that simplified() joins the puffs into one outline
    cloud.addEllipse(at(0.0, 0.35, 0.34, 0.55));
    cloud.addEllipse(at(0.16, 0.1, 0.36, 0.62));
    cloud.addEllipse(at(0.40, 0.0, 0.38, 0.66));
    cloud.addEllipse(at(0.64, 0.28, 0.36, 0.58));
    cloud.addEllipse(at(0.14, 0.42, 0.72, 0.58));
    cloud = cloud.simplified();
    p.setPen(QPen(QColor(0x4a, 0x7e, 0xbb), 1.5));
    p.setBrush(verticalGradient(r, QColor(0xf2, 0xf7, 0xfc), QColor(0xd3, 0xe4, 0xf5)));
    p.drawPath(cloud);
}

void paintFirewall(QPainter& p, const QRectF& r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb3, 0x45, 0x2c));
    p.drawRect(r);
    // Mortar between courses of bricks, the joints offset on every other course.
    const int courses = 4;
    const qreal h = r.height() / courses;
    const qreal brick = r.width() / 3;
    p.setPen(QPen(QColor(0xf1, 0xe4, 0xd8), 1.4));
    for (int i = 1; i < courses; ++i)
        p.drawLine(QPointF(r.left(), r.top() + h * i), QPointF(r.right(), r.top() + h * i));
    for (int i = 0; i < courses; ++i) {
        const qreal offset = (i % 2) ? brick / 2 : brick;
        for (qreal x = r.left() + offset; x < r.right() - 1; x += brick)
            p.drawLine(QPointF(x, r.top() + h * i), QPointF(x, r.top() + h * (i + 1)));
    }
    p.setPen(QPen(QColor(0x5e, 0x1f, 0x12), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

} // namespace

QRectF nodeIconRect(Figure::NodeType type, const QPointF& centre, qreal scale) {
    const QSizeF size = baseSize(type) * scale;
    return QRectF(centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(),
                  size.height());
}

void paintNodeIcon(QPainter& painter, Figure::NodeType type, const QRectF& rect) {
    painter.save();
    switch (type) {
    case NodeType::Router:
        paintRouter(painter, rect);
        break;
    case NodeType::Switch:
        paintSwitch(painter, rect);
        break;
    case NodeType::Hub:
        paintHub(painter, rect);
        break;
    case NodeType::Host:
        paintHost(painter, rect);
        break;
    case NodeType::Server:
        paintServer(painter, rect);
        break;
    case NodeType::Printer:
        paintPrinter(painter, rect);
        break;
    case NodeType::Cloud:
        paintCloud(painter, rect);
        break;
    case NodeType::Firewall:
        paintFirewall(painter, rect);
        break;
    }
    painter.restore();
}
