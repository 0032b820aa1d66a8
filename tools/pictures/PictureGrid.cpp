#include "PictureGrid.h"

#include <QImage>
#include <QString>

PixelGrid PictureGrid::fromImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    PixelGrid grid(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            grid.set(x, y, line[x] & 0xFFFFFFu);
    }
    return grid;
}

PixelGrid PictureGrid::load(const QString& path) {
    QImage image;
    if (!image.load(path))
        return PixelGrid(0, 0);
    return fromImage(image);
}
