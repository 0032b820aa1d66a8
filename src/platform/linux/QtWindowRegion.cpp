#include "QtWindowRegion.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace {

std::uint32_t unsignedAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    return value;
}

std::int32_t signedAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::int32_t>(unsignedAt(bytes, offset));
}

// Qt reads an empty mask as "no mask", which shows the whole window; a region of nothing must
// hide it, so it becomes one pixel outside the window.
const QRegion nothing(-1, -1, 1, 1);

// Platforms without window masks (offscreen, minimal) warn on every request.
bool platformHasMasks() {
    const QString platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal";
}

} // namespace

QtWindowRegion::QtWindowRegion(QWidget& window)
    : window_(window) {}

std::optional<QRegion> QtWindowRegion::regionOf(std::span<const std::uint8_t> block) {
    constexpr std::size_t header = 32;
    if (block.size() < header || unsignedAt(block, 0) != header || unsignedAt(block, 4) != 1)
        return std::nullopt;
    const std::size_t count = unsignedAt(block, 8);
    if (count > (block.size() - header) / 16)
        return std::nullopt;
    QRegion region;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = header + 16 * i;
        const int left = signedAt(block, at);
        const int top = signedAt(block, at + 4);
        const int right = signedAt(block, at + 8);
        const int bottom = signedAt(block, at + 12);
        // Widened: sides far apart have a difference no int holds, and such a block is corrupt.
        const std::int64_t width = std::int64_t{right} - left;
        const std::int64_t height = std::int64_t{bottom} - top;
        if (width > std::numeric_limits<int>::max() || height > std::numeric_limits<int>::max())
            return std::nullopt;
        if (width > 0 && height > 0)
            region += QRect(left, top, static_cast<int>(width), static_cast<int>(height));
    }
    return region;
}

void QtWindowRegion::setRegion(std::span<const std::uint8_t> block) {
    std::optional<QRegion> region = regionOf(block);
    if (applied_ && region == current_)
        return;
    current_ = std::move(region);
    applied_ = true;
    ++changes_;
    if (!platformHasMasks())
        return;
    if (!current_)
        window_.clearMask();
    else if (current_->isEmpty())
        window_.setMask(nothing);
    else
        window_.setMask(*current_);
    // Qt clips painting to the mask, so what changed while the window was cut away has not been
    // drawn yet: the window is repainted at once in its new outline.
    window_.update();
}
