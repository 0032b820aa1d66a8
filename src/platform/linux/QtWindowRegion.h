#pragma once

#include "platform/WindowRegionPort.h"

#include <QRegion>
#include <optional>

class QWidget;

// A widget's region as its mask. Setting the region already in place sends nothing to the
// window system, so a window that re-applies its shape on every tick costs nothing.
class QtWindowRegion final : public WindowRegionPort {
public:
    explicit QtWindowRegion(QWidget& window);

    void setRegion(std::span<const std::uint8_t> block) override;

    // The region a block describes; nothing when the block cannot be read.
    static std::optional<QRegion> regionOf(std::span<const std::uint8_t> block);
    // What the window shows now; nothing while it has no region (its whole rectangle shows).
    const std::optional<QRegion>& current() const { return current_; }
    // How many times the window's region was changed.
    int changes() const { return changes_; }

private:
    QWidget& window_;
    std::optional<QRegion> current_;
    bool applied_ = false;
    int changes_ = 0;
};
