#pragma once

#include "shapes/PixelGrid.h"

class QImage;
class QString;

// Pictures as the shape rule sees them: their colours, with alpha ignored.
class PictureGrid {
public:
    static PixelGrid fromImage(const QImage& image);
    // An empty grid when the file cannot be read.
    static PixelGrid load(const QString& path);
};
