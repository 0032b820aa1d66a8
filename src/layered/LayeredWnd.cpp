#include "LayeredWnd.h"

#include "PropertyBag.h"
#include "platform/LayeredWindowPort.h"

Status LayeredWnd::SetAlphaWnd(LayeredWindowPort* window) {
    window_ = window;
    return ApplyAlpha();
}

Status LayeredWnd::setAlpha(std::int32_t alpha) {
    alpha_ = alpha;
    changed_.insert("Alpha");
    return ApplyAlpha();
}

Status LayeredWnd::setAlphaFlags(std::int32_t flags) {
    flags_ = flags;
    changed_.insert("AlphaFlags");
    return ApplyAlpha();
}

void LayeredWnd::setAlphaColorKey(std::int32_t colorKey) {
    colorKey_ = colorKey;
    changed_.insert("AlphaColorKey");
}

Status LayeredWnd::ApplyAlpha() {
    if (!window_)
        return Status::failure("no window is bound");
    window_->makeLayered();
    if (alpha_ < 0 || alpha_ > 255)
        return Status::failure("Alpha " + std::to_string(alpha_) + " is outside 0..255");
    window_->setLayeredAttributes(static_cast<std::uint32_t>(colorKey_),
                                  static_cast<std::uint8_t>(alpha_), flags_);
    return Status::success();
}

void LayeredWnd::ReadProperties(const PropertyBag& bag) {
    alpha_ = bag.read("Alpha", defaultAlpha);
    flags_ = bag.read("AlphaFlags", defaultAlphaFlags);
    colorKey_ = bag.read("AlphaColorKey", defaultAlphaColorKey);
}

void LayeredWnd::WriteProperties(PropertyBag& bag) const {
    bag.write("Alpha", alpha_, defaultAlpha);
    bag.write("AlphaFlags", flags_, defaultAlphaFlags);
    bag.write("AlphaColorKey", colorKey_, defaultAlphaColorKey);
}
