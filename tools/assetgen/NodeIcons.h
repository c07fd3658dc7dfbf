#pragma once

#include "Figure.h"

#include <QRectF>

class QPainter;

// The icon of each diagram node type, drawn with plain shapes.

// The rectangle the icon of a node of this type takes when centred on centre.
QRectF nodeIconRect(Figure::NodeType type, const QPointF& centre, qreal scale);

void paintNodeIcon(QPainter& painter, Figure::NodeType type, const QRectF& rect);
