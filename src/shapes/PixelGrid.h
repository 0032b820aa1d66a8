#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// The colours of a picture, row by row, each 0xRRGGBB.
class PixelGrid {
public:
    PixelGrid(int width, int height, std::uint32_t fill = 0);
    // One string per row, one character per pixel: '#' is `ink`, any other character is `fill`.
    static PixelGrid fromRows(const std::vector<std::string_view>& rows, std::uint32_t ink,
                              std::uint32_t fill);

    int width() const { return width_; }
    int height() const { return height_; }
    std::uint32_t at(int x, int y) const { return pixels_[index(x, y)]; }
    void set(int x, int y, std::uint32_t rgb) { pixels_[index(x, y)] = rgb; }

private:
    std::size_t index(int x, int y) const;

    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};
