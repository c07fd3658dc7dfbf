#include "DialogPainter.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

const QColor Face(0xd4, 0xd0, 0xc8);
const QColor Shadow(0x80, 0x80, 0x80);
const QColor DarkShadow(0x40, 0x40, 0x40);
const QColor Light(0xff, 0xff, 0xff);
const QColor TitleLeft(0x0a, 0x24, 0x6a);
const QColor TitleRight(0xa6, 0xca, 0xf0);

constexpr int MaxPixelSize = 12;
constexpr int MinPixelSize = 8;

// A one-pixel bevel: topLeft colour on the top and left edges, bottomRight on the others.
void bevel(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    p.setPen(topLeft);
    p.drawLine(r.left(), r.bottom() - 1, r.left(), r.top());
    p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    p.setPen(bottomRight);
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    p.drawLine(r.right(), r.bottom(), r.left(), r.bottom());
}

void raised(QPainter& p, const QRect& r) {
    bevel(p, r, Light, DarkShadow);
    bevel(p, r.adjusted(1, 1, -1, -1), Face, Shadow);
}

void sunken(QPainter& p, const QRect& r) {
    bevel(p, r, Shadow, Light);
    bevel(p, r.adjusted(1, 1, -1, -1), DarkShadow, Face);
}

qreal textWidth(const QFont& font, const QString& text) {
    return QFontMetricsF(font).boundingRect(QRectF(), Qt::AlignLeft, text).width();
}

} // namespace

DialogPainter::DialogPainter(const Figure& figure, RenderNotes& notes)
    : m_figure(figure), m_notes(notes) {}

int DialogPainter::labelColumnWidth(const Metrics& m) const {
    qreal widest = 0;
    for (const Figure::Field& field : m_figure.fields)
        widest = std::max(widest, textWidth(sansFont(m.px), field.label));
    return static_cast<int>(std::ceil(widest));
}

int DialogPainter::buttonWidth(const Metrics& m, const QString& text) const {
    const int natural = static_cast<int>(std::ceil(textWidth(sansFont(m.px), text))) + 2 * m.px;
    return std::max(m.minButtonWidth(), natural);
}

int DialogPainter::buttonsWidth(const Metrics& m) const {
    int total = 0;
    for (const QString& button : m_figure.buttons)
        total += buttonWidth(m, button) + m.gap();
    return total > 0 ? total - m.gap() : 0;
}

int DialogPainter::contentHeight(const Metrics& m) const {
    int height = m.titleBar() + 3 + m.margin();
    height += static_cast<int>(m_figure.fields.size()) * m.fieldRow();
    if (!m_figure.checks.isEmpty())
        height += (m_figure.fields.isEmpty() ? 0 : m.gap()) +
                  static_cast<int>(m_figure.checks.size()) * m.checkRow();
    if (!m_figure.buttons.isEmpty())
        height += m.margin() + m.buttonHeight();
    return height + m.margin() + 3;
}

bool DialogPainter::fits(const Metrics& m) const {
    const int inner = m_figure.width - 6 - 2 * m.margin();
    const bool fieldsFit =
        m_figure.fields.isEmpty() || labelColumnWidth(m) + m.gap() + 5 * m.px <= inner;
    return fieldsFit && buttonsWidth(m) <= inner && contentHeight(m) <= m_figure.height;
}

void DialogPainter::paint(QPainter& painter) {
    Metrics m;
    for (m.px = MaxPixelSize; m.px > MinPixelSize && !fits(m); --m.px) {
    }
    if (!fits(m))
        m_notes.add(QStringLiteral("the dialog's fields, check boxes and buttons do not fit"));

    painter.save();
    paintFrame(painter, m);
    const int top = 3 + m.titleBar() + m.margin();
    const int checksTop = paintFields(painter, m, top);
    paintChecks(painter, m, checksTop);
    paintButtons(painter, m);
    painter.restore();
}

void DialogPainter::paintFrame(QPainter& painter, const Metrics& m) {
    const QRect all(0, 0, m_figure.width, m_figure.height);
    painter.fillRect(all, Face);
    painter.setRenderHint(QPainter::Antialiasing, false);
    bevel(painter, all.adjusted(0, 0, -1, -1), Face, DarkShadow);
    bevel(painter, all.adjusted(1, 1, -2, -2), Light, Shadow);

    const QRect bar(3, 3, m_figure.width - 6, m.titleBar());
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    gradient.setColorAt(0, TitleLeft);
    gradient.setColorAt(1, TitleRight);
    painter.fillRect(bar, gradient);

    // The close button.
    const int side = m.titleBar() - 4;
    const QRect close(bar.right() - 2 - side, bar.top() + 2, side + 1, side);
    painter.fillRect(close, Face);
    raised(painter, close);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, std::max(1.5, m.px / 7.0)));
    const QRectF cross = QRectF(close).adjusted(side * 0.3, side * 0.28, -side * 0.3, -side * 0.32);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());

    if (!m_figure.title.isEmpty()) {
        const QRectF titleBox(bar.left() + 5, bar.top(), close.left() - bar.left() - 10,
                              bar.height());
        painter.setPen(Qt::white);
        drawFittedText(painter, titleBox, m_figure.title, sansFont(m.px, true), m.px, 7,
                       Qt::AlignLeft | Qt::AlignVCenter, m_notes, QStringLiteral("title"));
    }
}

int DialogPainter::paintFields(QPainter& painter, const Metrics& m, int top) {
    const int left = 3 + m.margin();
    const int right = m_figure.width - 3 - m.margin();
    const int labelWidth = labelColumnWidth(m);
    const int editLeft = left + labelWidth + m.gap();
    // All edit boxes share one width: wide enough for the longest value, at most to the margin.
    qreal widest = 0;
    for (const Figure::Field& field : m_figure.fields)
        widest = std::max(widest, textWidth(sansFont(m.px), field.value));
    const int editWidth = std::clamp(static_cast<int>(std::ceil(widest)) + m.px + 4,
                                     std::min(10 * m.px, right - editLeft), right - editLeft);

    int y = top;
    for (const Figure::Field& field : m_figure.fields) {
        const QRect edit(editLeft, y + (m.fieldRow() - m.editHeight()) / 2, editWidth,
                         m.editHeight());
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(edit, Qt::white);
        sunken(painter, edit);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::black);
        painter.setFont(sansFont(m.px));
        painter.drawText(QRectF(left, y, labelWidth + 1, m.fieldRow()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, field.label);
        if (!field.value.isEmpty())
            drawFittedText(painter, QRectF(edit).adjusted(4, 2, -4, -2), field.value,
                           sansFont(m.px), m.px, 7, Qt::AlignLeft | Qt::AlignVCenter, m_notes,
                           u"value of field " + excerpt(field.label));
        y += m.fieldRow();
    }
    return m_figure.fields.isEmpty() ? y : y + m.gap();
}

void DialogPainter::paintChecks(QPainter& painter, const Metrics& m, int top) {
    const int left = 3 + m.margin();
    const int right = m_figure.width - 3 - m.margin();
    int y = top;
    for (const Figure::Check& check : m_figure.checks) {
        const int side = m.checkBox();
        const QRect box(left, y + (m.checkRow() - side) / 2, side, side);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(box, Qt::white);
        sunken(painter, box);
        painter.setRenderHint(QPainter::Antialiasing, true);
        if (check.checked) {
            const QRectF inner = QRectF(box).adjusted(3, 3, -3, -3);
            painter.setPen(QPen(Qt::black, std::max(1.6, side / 6.5), Qt::SolidLine, Qt::SquareCap,
                                Qt::MiterJoin));
            painter.drawPolyline(QPolygonF{
                QPointF(inner.left(), inner.top() + inner.height() * 0.5),
                QPointF(inner.left() + inner.width() * 0.38, inner.bottom() - inner.height() * 0.1),
                QPointF(inner.right(), inner.top() + inner.height() * 0.05)});
        }
        painter.setPen(Qt::black);
        const QRectF labelBox(box.right() + m.gap() + 2, y, right - box.right() - m.gap() - 2,
                              m.checkRow());
        const TextFit fit = fitText(check.label, labelBox.size(), sansFont(m.px), m.px, 7,
                                    Qt::AlignLeft | Qt::AlignVCenter, false);
        if (!fit.fits)
            m_notes.add(u"check box label " + excerpt(check.label) + u" does not fit");
        painter.setFont(fit.font);
        painter.drawText(labelBox, fit.flags | Qt::TextDontClip, check.label);
        y += m.checkRow();
    }
}

void DialogPainter::paintButtons(QPainter& painter, const Metrics& m) {
    int x = m_figure.width - 3 - m.margin() - buttonsWidth(m);
    const int y = m_figure.height - 3 - m.margin() - m.buttonHeight();
    bool first = true;
    for (const QString& text : m_figure.buttons) {
        const QRect button(x, y, buttonWidth(m, text), m.buttonHeight());
        painter.setRenderHint(QPainter::Antialiasing, false);
        if (first) {
            // The default button carries an extra dark outline.
            painter.setPen(Qt::black);
            painter.drawRect(button.adjusted(0, 0, -1, -1));
            raised(painter, button.adjusted(1, 1, -1, -1));
        } else {
            raised(painter, button);
        }
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::black);
        drawFittedText(painter, QRectF(button).adjusted(3, 2, -3, -2), text, sansFont(m.px), m.px,
                       7, Qt::AlignCenter, m_notes, QStringLiteral("button"));
        x += button.width() + m.gap();
        first = false;
    }
}
