#pragma once

#include "ShapeRect.h"

#include <vector>

// A shape table made at build time or in a test, before it becomes compiled-in data.
struct ShapeTable {
    std::vector<ShapeRect> rects;
    ShapeRect bounds;

    friend bool operator==(const ShapeTable&, const ShapeTable&) = default;
};
