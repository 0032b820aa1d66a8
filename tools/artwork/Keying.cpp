#include "Keying.h"

#include <QPainter>

QImage Keying::silhouette(QSize size, const QPainterPath& path) {
    QImage mask(size, QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(path, Qt::black);
    return mask;
}

bool Keying::inside(const QImage& silhouette, int x, int y) {
    if (x < 0 || y < 0 || x >= silhouette.width() || y >= silhouette.height())
        return false;
    return qAlpha(silhouette.pixel(x, y)) != 0;
}

QImage Keying::apply(const QImage& painted, const QImage& silhouette, QRgb key, QColor outline,
                     int outlineWidth) {
    QImage out = painted.convertToFormat(QImage::Format_RGB32);
    // A neighbour of the key colour that no painting is likely to use on purpose.
    const QRgb nearKey =
        qRgb(qRed(key) == 255 ? 254 : 1, qGreen(key) == 255 ? 254 : 1, qBlue(key) == 255 ? 254 : 1);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            if (!inside(silhouette, x, y)) {
                out.setPixel(x, y, key);
                continue;
            }
            bool edge = false;
            for (int dy = -outlineWidth; dy <= outlineWidth && !edge; ++dy)
                for (int dx = -outlineWidth; dx <= outlineWidth && !edge; ++dx)
                    if (dx * dx + dy * dy <= outlineWidth * outlineWidth &&
                        !inside(silhouette, x + dx, y + dy))
                        edge = true;
            if (edge)
                out.setPixel(x, y, outline.rgb());
            if ((out.pixel(x, y) & 0xFFFFFFu) == (key & 0xFFFFFFu))
                out.setPixel(x, y, nearKey);
        }
    }
    return out;
}
