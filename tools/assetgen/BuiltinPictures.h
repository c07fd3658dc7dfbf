#pragma once

#include "PaintSupport.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

// The pictures the program needs besides the exhibit figures.
namespace BuiltinPictures {

// The launcher's logo strip, 221 x 48.
inline constexpr QSize LogoSize{221, 48};
inline const QString LogoFile = QStringLiteral("tarnwick-logo.bmp");
QImage logo(RenderNotes& notes);

// The network of the print simulation, 573 x 339, stored with 8 bits per pixel. The simulation
// places its 157 x 27 drop boxes over the slots, which are left blank but for a light outline.
inline constexpr QSize PrintNetworkSize{573, 339};
inline const QString PrintNetworkFile = QStringLiteral("sim1net.bmp");
inline const QList<QRect> PrintNetworkSlots = {
    QRect(43, 35, 157, 27),   // upper left, by the first remote host
    QRect(325, 22, 157, 27),  // upper right, by the print server
    QRect(32, 264, 157, 27),  // lower left, by the second remote host
    QRect(282, 287, 157, 27), // lower middle, by the print server
};
QImage printNetwork(RenderNotes& notes);

} // namespace BuiltinPictures
