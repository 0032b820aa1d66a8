#pragma once

#include <QPixmap>
#include <QString>

// The character pictures as the layers show them: the pure blue around a head becomes
// transparent, so a layer shows only its head over the base picture.
class CharacterPictures {
public:
    static QPixmap load(const QString& name);
};
