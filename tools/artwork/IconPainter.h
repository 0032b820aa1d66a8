#pragma once

#include <QImage>

class CharacterPainter;

// The small pictures outside the shaped windows: the character window's icon, the tray icons
// and the About banner. They have a transparent background, not a key colour.
class IconPainter {
public:
    static QImage characterIcon(const CharacterPainter& character, int pixels);
    // The editor window's icon, shown in the tray while the program is not listening.
    static QImage trayIdle();
    // An ear with one to three sound waves: the tray's animation while listening.
    static QImage ear(int waves);
    static QImage banner();
};
