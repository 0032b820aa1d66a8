#include "RegionBuffer.h"

#include <algorithm>
#include <stdexcept>

namespace {

void putUnsigned(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void putRect(std::uint8_t* at, const ShapeRect& rect) {
    putUnsigned(at, static_cast<std::uint32_t>(rect.left));
    putUnsigned(at + 4, static_cast<std::uint32_t>(rect.top));
    putUnsigned(at + 8, static_cast<std::uint32_t>(rect.right));
    putUnsigned(at + 12, static_cast<std::uint32_t>(rect.bottom));
}

} // namespace

RegionBuffer::RegionBuffer(std::size_t lastIndex, std::size_t lastCleared, std::size_t size)
    : regionData(lastIndex + 1, 0)
    , regionDataSize(size)
    , lastCleared_(lastCleared) {}

void RegionBuffer::build(const Shape& shape) {
    const std::size_t bytes = blockBytes(shape);
    if (bytes > lastCleared_ + 1)
        throw std::length_error("shape block larger than the window's region buffer");
    std::fill(regionData.begin(),
              regionData.begin() + static_cast<std::ptrdiff_t>(lastCleared_) + 1, 0);
    std::uint8_t* out = regionData.data();
    const auto count = static_cast<std::uint32_t>(shape.rects.size());
    putUnsigned(out, static_cast<std::uint32_t>(headerBytes));
    putUnsigned(out + 4, 1); // rectangles
    putUnsigned(out + 8, count);
    putUnsigned(out + 12, count * static_cast<std::uint32_t>(rectBytes));
    putRect(out + 16, shape.bounds);
    out += headerBytes;
    for (const ShapeRect& rect : shape.rects) {
        putRect(out, rect);
        out += rectBytes;
    }
}

std::span<const std::uint8_t> RegionBuffer::handedOver() const {
    return std::span<const std::uint8_t>(regionData)
        .first(std::min(regionDataSize, regionData.size()));
}
