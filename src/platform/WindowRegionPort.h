#pragma once

#include <cstdint>
#include <span>

// Gives a window its region: the part of its rectangle that is drawn and takes the mouse.
class WindowRegionPort {
public:
    virtual ~WindowRegionPort() = default;
    // `block` is a region-data block (a header, a bounding rectangle and the rectangles, all
    // little-endian) followed by zeros up to the byte count the window hands over. A block that
    // cannot be read leaves the window without a region, so its whole rectangle shows.
    virtual void setRegion(std::span<const std::uint8_t> block) = 0;
};
