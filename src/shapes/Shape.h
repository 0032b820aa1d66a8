#pragma once

#include "ShapeRect.h"

#include <cstdint>
#include <span>
#include <string_view>

// A shape table compiled into the program: the rectangles made from a picture by the rule of
// ShapeRule, in table order, and their bounding rectangle.
struct Shape {
    std::string_view name;
    // The asset the table was made from; empty for a shape without a picture.
    std::string_view picture;
    std::uint32_t keyColour = 0;
    // 1..16 for the editor's flip outlines, 0 for the other windows' shapes.
    int flipFrame = 0;
    std::span<const ShapeRect> rects;
    ShapeRect bounds;
};
