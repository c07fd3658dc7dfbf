#pragma once

#include "Figure.h"
#include "PaintSupport.h"

#include <QList>
#include <QRectF>

class QPainter;

// Draws a network diagram: links first, then the node icons with their labels under them and
// the link labels at a free spot along their links.
class DiagramPainter {
public:
    DiagramPainter(const Figure& figure, RenderNotes& notes);

    // Paints the whole picture: white page, frame, title and the network.
    void paint(QPainter& painter);

private:
    struct PlacedText {
        QString text;
        QRectF box;
        TextFit fit;
        bool insideIcon = false; // a cloud's label, drawn inside it
    };
    struct Placed {
        QString name; // for notes: `node "R1"`, `label of node "R1"`, `label of link 2`
        QRectF rect;
        int owner = -1; // the node a rectangle belongs to; -1 the title, -2 - i link i
    };

    PlacedText layoutNodeLabel(int index);
    PlacedText layoutLinkLabel(int index);
    bool isFree(const QRectF& box) const;
    void noteProblems(const QSize& size);

    const Figure& m_figure;
    RenderNotes& m_notes;
    qreal m_scale = 1;
    QList<QRectF> m_iconRects;
    QList<Placed> m_placed;
};
