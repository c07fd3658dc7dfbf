#pragma once

#include <QImage>

// Converts a picture to 8 bits per pixel with a full 256-colour palette: the picture's 256 most
// frequent colours, every other pixel mapped to the nearest of them.
//
// The palette always has 256 entries because Qt's BMP writer stores an indexed image with at
// most 16 colours in 4 bits per pixel.
QImage toIndexed256(const QImage& image);
