#include "ShapeRule.h"

#include <algorithm>
#include <utility>

namespace {

using Spans = std::vector<std::pair<int, int>>;

Spans spansOfRow(const PixelGrid& picture, int y, std::uint32_t keyColour) {
    Spans spans;
    int x = 0;
    while (x < picture.width()) {
        if (picture.at(x, y) == keyColour) {
            ++x;
            continue;
        }
        const int start = x;
        while (x < picture.width() && picture.at(x, y) != keyColour)
            ++x;
        spans.emplace_back(start, x);
    }
    return spans;
}

void emitBand(ShapeTable& table, const Spans& spans, int top, int bottom) {
    for (const auto& [left, right] : spans)
        table.rects.push_back(ShapeRect{left, top, right, bottom});
}

} // namespace

ShapeTable ShapeRule::make(const PixelGrid& picture, std::uint32_t keyColour) {
    ShapeTable table;
    Spans band;
    int bandTop = 0;
    for (int y = 0; y < picture.height(); ++y) {
        Spans row = spansOfRow(picture, y, keyColour);
        if (row == band)
            continue;
        emitBand(table, band, bandTop, y);
        band = std::move(row);
        bandTop = y;
    }
    emitBand(table, band, bandTop, picture.height());
    table.bounds = boundsOf(table.rects);
    return table;
}

ShapeRect ShapeRule::boundsOf(std::span<const ShapeRect> rects) {
    if (rects.empty())
        return ShapeRect{};
    ShapeRect bounds = rects.front();
    for (const ShapeRect& rect : rects) {
        bounds.left = std::min(bounds.left, rect.left);
        bounds.top = std::min(bounds.top, rect.top);
        bounds.right = std::max(bounds.right, rect.right);
        bounds.bottom = std::max(bounds.bottom, rect.bottom);
    }
    return bounds;
}
