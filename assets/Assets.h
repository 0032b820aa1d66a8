#pragma once

#include <QImage>
#include <QString>

// The pictures compiled into the program (assets/assets.qrc), by file name: "nubo.png".
class Assets {
public:
    static QString path(const QString& name);
    // A null image when there is no such picture.
    static QImage image(const QString& name);
};
