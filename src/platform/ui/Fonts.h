#pragma once

#include <QFont>

// A font sized in screen pixels, as the window layouts give their fonts.
inline QFont PixelFont(const char* family, int pixels, bool bold = false, bool italic = false) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}
