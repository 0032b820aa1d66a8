#include "shapes/RegionBuffer.h"
#include "shapes/Shapes.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes firstBytes(const RegionBuffer& buffer, std::size_t n) {
    return Bytes(buffer.regionData.begin(), buffer.regionData.begin() + static_cast<long>(n));
}

TEST(RegionBuffer, EmptyShapeIsAHeaderWithNoRectangles) {
    RegionBuffer buffer = RegionBuffer::forBubble();
    buffer.build(EmptyShape);
    const Bytes expected{32, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                         0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(firstBytes(buffer, 32), expected);
    EXPECT_EQ(RegionBuffer::blockBytes(EmptyShape), 32u);
}

TEST(RegionBuffer, WritesHeaderBoundsAndRectanglesLittleEndian) {
    const ShapeRect rects[] = {{7, 97, 280, 98}, {1, 103, 286, 294}};
    const Shape shape{"two", "", 0, 1, rects, {1, 97, 286, 294}};
    RegionBuffer buffer = RegionBuffer::forEditor();
    buffer.build(shape);
    const Bytes expected{
        32, 0, 0, 0, 1,   0, 0, 0, 2,  0, 0, 0, 32, 0, 0, 0, // header: 2 rectangles, 32 bytes
        1,  0, 0, 0, 97,  0, 0, 0, 30, 1, 0, 0, 38, 1, 0, 0, // bounds 1, 97, 286, 294
        7,  0, 0, 0, 97,  0, 0, 0, 24, 1, 0, 0, 98, 0, 0, 0, // 7, 97, 280, 98
        1,  0, 0, 0, 103, 0, 0, 0, 30, 1, 0, 0, 38, 1, 0, 0, // 1, 103, 286, 294
        0,  0, 0, 0};
    EXPECT_EQ(firstBytes(buffer, expected.size()), expected);
}

struct BufferCase {
    const char* window;
    RegionBuffer (*make)();
    std::size_t bytes;
    std::size_t lastCleared;
    std::size_t handedOver;
};

class WindowBuffers : public ::testing::TestWithParam<BufferCase> {};

TEST_P(WindowBuffers, HaveTheirSizesAndClearOnlyTheirRange) {
    const BufferCase& c = GetParam();
    RegionBuffer buffer = c.make();
    ASSERT_EQ(buffer.regionData.size(), c.bytes);
    EXPECT_EQ(buffer.lastClearedIndex(), c.lastCleared);
    EXPECT_EQ(buffer.regionDataSize, c.handedOver);
    EXPECT_EQ(buffer.handedOver().size(), c.handedOver);

    std::fill(buffer.regionData.begin(), buffer.regionData.end(), 0xAA);
    buffer.build(EmptyShape);
    for (std::size_t i = 32; i <= c.lastCleared; ++i)
        ASSERT_EQ(buffer.regionData[i], 0) << "index " << i;
    for (std::size_t i = c.lastCleared + 1; i < c.bytes; ++i)
        ASSERT_EQ(buffer.regionData[i], 0xAA) << "index " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Windows, WindowBuffers,
    ::testing::Values(BufferCase{"Editor", RegionBuffer::forEditor, 5001, 4000, 3248},
                      BufferCase{"Character", RegionBuffer::forCharacter, 4051, 4000, 2000},
                      BufferCase{"Bubble", RegionBuffer::forBubble, 1001, 1000, 912}),
    [](const ::testing::TestParamInfo<BufferCase>& info) { return info.param.window; });

TEST(RegionBuffer, RefusesABlockLargerThanItsClearedRange) {
    const std::vector<ShapeRect> many(62, ShapeRect{0, 0, 1, 1}); // 32 + 16 * 62 = 1024 bytes
    const Shape shape{"many", "", 0, 0, many, {0, 0, 1, 1}};
    RegionBuffer buffer = RegionBuffer::forBubble();
    EXPECT_THROW(buffer.build(shape), std::length_error);
}

} // namespace
