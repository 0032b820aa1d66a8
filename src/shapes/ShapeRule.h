#pragma once

#include "PixelGrid.h"
#include "ShapeRect.h"
#include "ShapeTable.h"

#include <cstdint>
#include <span>

// Makes a window outline from a picture: every pixel that is not the key colour belongs to the
// window. Rows with the same runs of such pixels merge into bands; each run of a band is one
// rectangle, bands from the top, runs from the left.
class ShapeRule {
public:
    static ShapeTable make(const PixelGrid& picture, std::uint32_t keyColour);
    // The smallest rectangle holding all of them; all zero when there are none.
    static ShapeRect boundsOf(std::span<const ShapeRect> rects);
};
