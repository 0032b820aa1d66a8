#include "FakeWindowRegion.h"
#include "shapes/ShapedWindow.h"
#include "shapes/Shapes.h"

#include <gtest/gtest.h>

namespace {

std::uint32_t unsignedAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

TEST(ApplyShape, TheEditorSizesTheBlockByFlipFrame) {
    FakeWindowRegion port;
    ShapedWindow editor(ShapedWindow::Kind::Editor, port);
    for (int frame = 1; frame <= 16; ++frame)
        ApplyShape(editor, flipShape(frame));
    ASSERT_EQ(port.blocks.size(), 16u);
    for (int frame = 1; frame <= 16; ++frame) {
        const auto& block = port.blocks[static_cast<std::size_t>(frame - 1)];
        EXPECT_EQ(block.size(), frame <= 4 ? 3248u : 3312u) << "frame " << frame;
        EXPECT_EQ(unsignedAt(block, 8), flipShape(frame).rects.size()) << "frame " << frame;
    }
}

TEST(ApplyShape, TheCharacterAndTheBubbleHandOverTheSizeSetAtLoad) {
    FakeWindowRegion characterPort;
    ShapedWindow character(ShapedWindow::Kind::Character, characterPort);
    ApplyShape(character, NuboShape);
    ApplyShape(character, ZelShape);
    ASSERT_EQ(characterPort.blocks.size(), 2u);
    EXPECT_EQ(characterPort.blocks[0].size(), 2000u);
    EXPECT_EQ(unsignedAt(characterPort.blocks[1], 8), ZelShape.rects.size());

    FakeWindowRegion bubblePort;
    ShapedWindow bubble(ShapedWindow::Kind::Bubble, bubblePort);
    ApplyShape(bubble, BubbleShape);
    ASSERT_EQ(bubblePort.blocks.size(), 1u);
    EXPECT_EQ(bubblePort.blocks[0].size(), 912u);
}

TEST(ApplyShape, ASmallerShapeLeavesNothingOfTheLargerOneBehind) {
    FakeWindowRegion port;
    ShapedWindow bubble(ShapedWindow::Kind::Bubble, port);
    ApplyShape(bubble, BubbleShape);
    ApplyShape(bubble, EmptyShape);
    const auto& block = port.blocks.back();
    EXPECT_EQ(unsignedAt(block, 0), 32u);
    EXPECT_EQ(unsignedAt(block, 8), 0u);
    for (std::size_t i = 12; i < block.size(); ++i)
        ASSERT_EQ(block[i], 0) << "index " << i;
}

} // namespace
