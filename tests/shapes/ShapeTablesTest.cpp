#include "shapes/KeyColour.h"
#include "shapes/RegionBuffer.h"
#include "shapes/ShapeRule.h"
#include "shapes/Shapes.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<ShapeRect> rectsOf(const Shape& shape) {
    return std::vector<ShapeRect>(shape.rects.begin(), shape.rects.end());
}

bool contains(const Shape& shape, int x, int y) {
    for (const ShapeRect& r : shape.rects)
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return true;
    return false;
}

const std::vector<ShapeRect> card{
    {7, 97, 280, 98},   {5, 98, 282, 99},   {4, 99, 283, 100},  {3, 100, 284, 101},
    {2, 101, 285, 103}, {1, 103, 286, 294}, {2, 294, 285, 297}, {3, 297, 284, 298},
    {4, 298, 283, 299}, {7, 299, 280, 300},
};

TEST(ShapeTables, TheCardOutlineIsTheTenRectangleRoundedRectangle) {
    EXPECT_EQ(rectsOf(FlipShape1), card);
    EXPECT_EQ(FlipShape1.bounds, (ShapeRect{1, 97, 286, 300}));
    EXPECT_EQ(rectsOf(FlipShape16), card);
    EXPECT_EQ(FlipShape16.bounds, FlipShape1.bounds);
    EXPECT_EQ(RegionBuffer::blockBytes(FlipShape1), 192u);
}

TEST(ShapeTables, RightAndBottomOfTheCardAreOutside) {
    EXPECT_TRUE(contains(FlipShape1, 1, 103));
    EXPECT_TRUE(contains(FlipShape1, 285, 293));
    EXPECT_FALSE(contains(FlipShape1, 286, 150));
    EXPECT_FALSE(contains(FlipShape1, 150, 300));
    EXPECT_FALSE(contains(FlipShape1, 1, 102)); // the rounded corner
}

TEST(ShapeTables, TheEdgeOnCardIsTheElevenRectangleSliver) {
    const std::vector<ShapeRect> sliver{
        {132, 20, 133, 48},   {131, 48, 133, 74},   {130, 74, 133, 101},  {129, 101, 133, 129},
        {128, 129, 133, 155}, {127, 155, 133, 270}, {128, 270, 133, 292}, {129, 292, 133, 312},
        {130, 312, 133, 335}, {131, 335, 133, 353}, {132, 353, 133, 373},
    };
    EXPECT_EQ(rectsOf(FlipShape8), sliver);
    EXPECT_EQ(FlipShape8.bounds, (ShapeRect{127, 20, 133, 373}));
    EXPECT_EQ(RegionBuffer::blockBytes(FlipShape8), 208u);
}

TEST(ShapeTables, EmptyShapeHasNothing) {
    EXPECT_TRUE(EmptyShape.rects.empty());
    EXPECT_EQ(EmptyShape.bounds, (ShapeRect{0, 0, 0, 0}));
}

// Each block must fit the byte count its window hands to region creation.
TEST(ShapeTables, EveryBlockFitsItsWindowAndHasItsBounds) {
    for (const Shape* shape : allShapes()) {
        std::size_t limit = 912;
        if (shape->flipFrame != 0)
            limit = shape->flipFrame <= 4 ? 3248 : 3312;
        else if (shape->keyColour == KeyColour::character)
            limit = 2000;
        EXPECT_LE(RegionBuffer::blockBytes(*shape), limit) << shape->name;
        EXPECT_EQ(shape->bounds, ShapeRule::boundsOf(shape->rects)) << shape->name;
    }
}

TEST(ShapeTables, FlipShapesAreFoundByFrame) {
    for (int frame = 1; frame <= 16; ++frame) {
        EXPECT_EQ(flipShape(frame).flipFrame, frame);
        EXPECT_EQ(flipShape(frame).name, "FlipShape" + std::to_string(frame));
    }
    EXPECT_THROW(flipShape(17), std::out_of_range);
}

} // namespace
