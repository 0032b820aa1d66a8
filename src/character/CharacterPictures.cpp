#include "CharacterPictures.h"

#include "Assets.h"
#include "core/Log.h"

#include <QBitmap>
#include <QColor>
#include <QImage>

namespace {
QImage read(const QString& name) {
    QImage image = Assets::image(name + ".png");
    if (image.isNull())
        Log::warningOnce(("picture " + name).toStdString(),
                         "the picture " + name.toStdString() + " is missing from the program");
    return image;
}
} // namespace

QPixmap CharacterPictures::load(const QString& name) {
    QImage image = read(name).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = qRgb(0, 0, 255);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == (key & 0x00FFFFFF))
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return QPixmap::fromImage(image);
}
