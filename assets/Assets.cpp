#include "Assets.h"

QString Assets::path(const QString& name) {
    return QStringLiteral(":/assets/") + name;
}

QImage Assets::image(const QString& name) {
    return QImage(path(name));
}

QPixmap Assets::pixmap(const QString& name) {
    return QPixmap(path(name));
}
