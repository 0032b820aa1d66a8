#include "PixelGrid.h"

#include <stdexcept>

PixelGrid::PixelGrid(int width, int height, std::uint32_t fill)
    : width_(width)
    , height_(height)
    , pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {
    if (width < 0 || height < 0)
        throw std::invalid_argument("negative picture size");
}

PixelGrid PixelGrid::fromRows(const std::vector<std::string_view>& rows, std::uint32_t ink,
                              std::uint32_t fill) {
    const int width = rows.empty() ? 0 : static_cast<int>(rows.front().size());
    PixelGrid grid(width, static_cast<int>(rows.size()), fill);
    for (int y = 0; y < grid.height(); ++y) {
        if (static_cast<int>(rows[y].size()) != width)
            throw std::invalid_argument("rows of unequal length");
        for (int x = 0; x < width; ++x)
            if (rows[y][x] == '#')
                grid.set(x, y, ink);
    }
    return grid;
}

std::size_t PixelGrid::index(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw std::out_of_range("pixel outside the picture");
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
}
