#include "FigureRenderer.h"

#include "DiagramPainter.h"
#include "DialogPainter.h"
#include "TablePainter.h"
#include "TextPainter.h"

#include <QPainter>

QImage renderFigure(const Figure& figure, RenderNotes& notes) {
    QImage image(figure.width, figure.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    switch (figure.kind) {
    case Figure::Kind::Diagram:
        DiagramPainter(figure, notes).paint(painter);
        break;
    case Figure::Kind::Table:
        TablePainter(figure, notes).paint(painter);
        break;
    case Figure::Kind::Dialog:
        DialogPainter(figure, notes).paint(painter);
        break;
    case Figure::Kind::Text:
        TextPainter(figure, notes).paint(painter);
        break;
    }
    painter.end();
    return image;
}
