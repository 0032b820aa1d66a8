#pragma once

#include "Shape.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The bytes in which a shaped window builds the region-data block of a shape, and how many of
// them it hands to region creation.
class RegionBuffer {
public:
    static constexpr std::size_t headerBytes = 32;
    static constexpr std::size_t rectBytes = 16;

    // Each window's buffer: highest index, highest index cleared before a build, byte count.
    static RegionBuffer forEditor() { return RegionBuffer(5000, 4000, 3248); }
    static RegionBuffer forCharacter() { return RegionBuffer(4050, 4000, 2000); }
    static RegionBuffer forBubble() { return RegionBuffer(1000, 1000, 912); }

    // Clears the cleared range and writes the block of `shape` from offset 0.
    void build(const Shape& shape);
    // The first regionDataSize bytes: what region creation reads.
    std::span<const std::uint8_t> handedOver() const;

    static std::size_t blockBytes(const Shape& shape) {
        return headerBytes + rectBytes * shape.rects.size();
    }
    std::size_t lastClearedIndex() const { return lastCleared_; }

    std::vector<std::uint8_t> regionData;
    std::size_t regionDataSize;

private:
    RegionBuffer(std::size_t lastIndex, std::size_t lastCleared, std::size_t size);

    std::size_t lastCleared_;
};
