#include "IndexedImage.h"

#include <QHash>
#include <QList>
#include <algorithm>
#include <cstring>
#include <utility>

QImage toIndexed256(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, qsizetype> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[line[x] | 0xff000000u];
    }
    QList<std::pair<qsizetype, QRgb>> byCount;
    byCount.reserve(counts.size());
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.append({it.value(), it.key()});
    // Most frequent first; equal counts in colour order, so that the result never depends on
    // the hash's order.
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });

    QList<QRgb> palette;
    for (qsizetype i = 0; i < byCount.size() && palette.size() < 256; ++i)
        palette.append(byCount.at(i).second);
    // Fill the rest with greys not yet present.
    for (int level = 0; palette.size() < 256 && level < 256; ++level) {
        const QRgb grey = qRgb(level, level, level);
        if (!palette.contains(grey))
            palette.append(grey);
    }
    QImage indexed = rgb.convertToFormat(QImage::Format_Indexed8, palette,
                                         Qt::ThresholdDither | Qt::AvoidDither);
    // Scan lines are padded to four bytes, and the writer copies the padding as it is; clear it
    // so that the file does not depend on what was in memory.
    const qsizetype padding = indexed.bytesPerLine() - indexed.width();
    for (int y = 0; padding > 0 && y < indexed.height(); ++y)
        std::memset(indexed.scanLine(y) + indexed.width(), 0, static_cast<size_t>(padding));
    return indexed;
}
