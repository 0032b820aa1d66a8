#include "platform/linux/QtWindowRegion.h"
#include "shapes/RegionBuffer.h"
#include "shapes/Shapes.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> blockOf(const Shape& shape, std::size_t byteCount) {
    RegionBuffer buffer = RegionBuffer::forEditor();
    buffer.build(shape);
    buffer.regionDataSize = byteCount;
    const auto bytes = buffer.handedOver();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

TEST(QtWindowRegion, ReadsTheRectanglesOfABlock) {
    const std::optional<QRegion> region = QtWindowRegion::regionOf(blockOf(FlipShape1, 3248));
    ASSERT_TRUE(region);
    QRegion expected;
    for (const ShapeRect& r : FlipShape1.rects)
        expected += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    EXPECT_EQ(*region, expected);
    EXPECT_TRUE(region->contains(QPoint(1, 103)));
    EXPECT_FALSE(region->contains(QPoint(286, 150)));
}

TEST(QtWindowRegion, EmptyShapeIsARegionOfNothing) {
    const std::optional<QRegion> region = QtWindowRegion::regionOf(blockOf(EmptyShape, 912));
    ASSERT_TRUE(region);
    EXPECT_TRUE(region->isEmpty());
}

TEST(QtWindowRegion, ABlockCutShortOfItsRectanglesIsNoRegion) {
    // Ten rectangles need 192 bytes.
    EXPECT_FALSE(QtWindowRegion::regionOf(blockOf(FlipShape1, 191)));
    EXPECT_FALSE(QtWindowRegion::regionOf(blockOf(FlipShape1, 16)));
}

TEST(QtWindowRegion, ARectangleWiderOrTallerThanAnIntIsNoRegion) {
    const struct {
        const char* what;
        ShapeRect rect;
    } cases[] = {
        {"too wide", {-2000000000, 0, 2000000000, 10}},
        {"too tall", {0, -2000000000, 10, 2000000000}},
    };
    for (const auto& c : cases) {
        const ShapeRect rects[] = {{0, 0, 5, 5}, c.rect};
        Shape shape;
        shape.rects = rects;
        EXPECT_FALSE(QtWindowRegion::regionOf(blockOf(shape, 64))) << c.what;
    }
}

TEST(QtWindowRegion, SetsAChangedRegionOnlyOnce) {
    QWidget window;
    window.resize(287, 389);
    QtWindowRegion port(window);
    const auto card = blockOf(FlipShape1, 3248);
    port.setRegion(card);
    port.setRegion(card);
    EXPECT_EQ(port.changes(), 1);
    port.setRegion(blockOf(FlipShape8, 3312));
    EXPECT_EQ(port.changes(), 2);
    ASSERT_TRUE(port.current());
    EXPECT_EQ(port.current()->boundingRect(), QRect(127, 20, 6, 353));
    port.setRegion(blockOf(FlipShape1, 100));
    EXPECT_FALSE(port.current());
}

} // namespace
