#pragma once

#include "Figure.h"
#include "PaintSupport.h"

#include <QImage>

// Paints a figure at its size with the painter for its kind.
QImage renderFigure(const Figure& figure, RenderNotes& notes);
