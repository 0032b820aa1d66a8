#pragma once

#include <cstdint>

// One rectangle of a window outline, in window pixels; right and bottom are exclusive.
struct ShapeRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend constexpr bool operator==(const ShapeRect&, const ShapeRect&) = default;
};
