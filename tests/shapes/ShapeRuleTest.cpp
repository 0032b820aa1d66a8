#include "shapes/ShapeRule.h"

#include <gtest/gtest.h>
#include <string_view>
#include <vector>

namespace {

constexpr std::uint32_t key = 0x0000FF;
constexpr std::uint32_t ink = 0x336699;

struct RuleCase {
    const char* name;
    std::vector<std::string_view> rows;
    std::vector<ShapeRect> rects;
    ShapeRect bounds;
};

class ShapeRuleCases : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ShapeRuleCases, MakesTheTable) {
    const RuleCase& c = GetParam();
    const ShapeTable table = ShapeRule::make(PixelGrid::fromRows(c.rows, ink, key), key);
    EXPECT_EQ(table.rects, c.rects);
    EXPECT_EQ(table.bounds, c.bounds);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, ShapeRuleCases,
    ::testing::Values(
        RuleCase{"AllKeyColour", {"....", "....", "...."}, {}, {0, 0, 0, 0}},
        RuleCase{"OnePixel", {"....", "..#.", "...."}, {{2, 1, 3, 2}}, {2, 1, 3, 2}},
        // Right and bottom are exclusive: a full picture ends at its width and height.
        RuleCase{"FullPicture", {"###", "###"}, {{0, 0, 3, 2}}, {0, 0, 3, 2}},
        // Equal rows merge into one band; a row without runs ends a band; equal rows apart
        // stay apart; each run of a band is one rectangle, left to right.
        RuleCase{"Bands",
                 {"......", ".##..#", ".##..#", "..###.", "......", ".##..#"},
                 {{1, 1, 3, 3}, {5, 1, 6, 3}, {2, 3, 5, 4}, {1, 5, 3, 6}, {5, 5, 6, 6}},
                 {1, 1, 6, 6}},
        RuleCase{"RunsTouchingBothSides",
                 {"#..#", "####"},
                 {{0, 0, 1, 1}, {3, 0, 4, 1}, {0, 1, 4, 2}},
                 {0, 0, 4, 2}}),
    [](const ::testing::TestParamInfo<RuleCase>& info) { return info.param.name; });

TEST(ShapeRule, OnlyTheExactKeyColourIsCutAway) {
    PixelGrid picture(3, 1, key);
    picture.set(1, 0, key - 1); // one step from the key is still picture
    const ShapeTable table = ShapeRule::make(picture, key);
    EXPECT_EQ(table.rects, (std::vector<ShapeRect>{{1, 0, 2, 1}}));
}

TEST(ShapeRule, BoundsHoldEveryRectangle) {
    const std::vector<ShapeRect> rects{{5, 2, 9, 3}, {1, 3, 4, 8}, {6, 8, 12, 9}};
    EXPECT_EQ(ShapeRule::boundsOf(rects), (ShapeRect{1, 2, 12, 9}));
    EXPECT_EQ(ShapeRule::boundsOf({}), (ShapeRect{0, 0, 0, 0}));
}

} // namespace
