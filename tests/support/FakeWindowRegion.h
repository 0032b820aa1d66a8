#pragma once

#include "platform/WindowRegionPort.h"

#include <cstdint>
#include <vector>

// Records every region block a window hands over, byte for byte.
class FakeWindowRegion final : public WindowRegionPort {
public:
    void setRegion(std::span<const std::uint8_t> block) override {
        blocks.emplace_back(block.begin(), block.end());
    }
    std::vector<std::vector<std::uint8_t>> blocks;
};
