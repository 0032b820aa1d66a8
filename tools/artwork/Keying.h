#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>

// Turns a painting into a keyed picture: every pixel outside the silhouette becomes the key
// colour, every pixel inside keeps its paint but never equals the key, so the outline the shape
// rule finds is exactly the silhouette, hard-edged.
class Keying {
public:
    // The pixels whose centres lie inside the path.
    static QImage silhouette(QSize size, const QPainterPath& path);
    // `outlineWidth` pixels along the inside of the silhouette's edge take `outline`.
    static QImage apply(const QImage& painted, const QImage& silhouette, QRgb key,
                        QColor outline = QColor(), int outlineWidth = 0);
    static bool inside(const QImage& silhouette, int x, int y);
};
