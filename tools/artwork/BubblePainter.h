#pragma once

#include <QImage>

// The speech bubble: a rounded balloon with room for the 153 x 97 label at (16, 16) and a tail
// pointing down to the character, keyed with pure white.
class BubblePainter {
public:
    static QImage bubble();
};
