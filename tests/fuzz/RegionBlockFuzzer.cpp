// The region-data block: any bytes are read as a region or refused, never read past their end; a
// block the program builds reads back as the shape it was built from.
#include "platform/linux/QtWindowRegion.h"
#include "shapes/RegionBuffer.h"
#include "shapes/Shape.h"

#include <QRect>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Exact-size copy: a read past the end is caught.
    std::vector<std::uint8_t> block(data, data + size);
    (void)QtWindowRegion::regionOf(block);

    // The same bytes as rectangles: built into a bubble's buffer and read back.
    std::vector<ShapeRect> rects;
    for (std::size_t at = 0; at + 16 <= size && rects.size() < 55; at += 16) {
        ShapeRect r;
        std::memcpy(&r, data + at, 16);
        // Widened: the difference of two arbitrary ints can overflow one.
        const std::int64_t width = std::int64_t{r.right} - r.left;
        const std::int64_t height = std::int64_t{r.bottom} - r.top;
        if (width <= 0 || height <= 0 || width > 4000 || height > 4000 || r.left < -4000 ||
            r.top < -4000)
            continue;
        rects.push_back(r);
    }
    Shape shape;
    shape.rects = rects;
    RegionBuffer buffer = RegionBuffer::forBubble();
    buffer.build(shape);
    const auto region = QtWindowRegion::regionOf(buffer.handedOver());
    if (!region)
        std::abort();
    QRegion expected;
    for (const auto& r : rects)
        expected += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    if (*region != expected)
        std::abort();
    return 0;
}
