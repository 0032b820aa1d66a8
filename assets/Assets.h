#pragma once

#include "ArtworkLayout.h"

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>

// The pictures compiled into the program (assets/assets.qrc), by file name: "nubo.png".
class Assets {
public:
    static QString path(const QString& name);
    // A null image when there is no such picture.
    static QImage image(const QString& name);
    static QPixmap pixmap(const QString& name);
    // Where a picture or a control sits, as a rectangle.
    static QRect rect(const ArtworkLayout::Box& box) {
        return {box.x, box.y, box.width, box.height};
    }
};
