#pragma once

#include <QPointF>

// What a character's face does in one picture.
struct Face {
    enum class Mouth { Smile, Talk1, Talk2, Talk3, Yawn, Frown, Grin, Tongue, Oh };

    double lidLeft = 0; // 0 open .. 1 closed
    double lidRight = 0;
    QPointF look; // pupils' offset in pixels
    Mouth mouth = Mouth::Smile;
    double mouthAmount = 1; // how far a yawn has opened, 0..1
    double blush = 0.35;
    double happyEyes = 0; // 0 round eyes .. 1 closed smiling arcs
    double browRaise = 0; // raised brows, 0..1 (0 draws none)
    double sleepZ = 0;    // a floating "z", 0..1
    double glow = 0;      // the antenna's glow, 0..1
    bool angry = false;
};
