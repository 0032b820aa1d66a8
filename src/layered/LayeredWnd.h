#pragma once

#include "core/Status.h"

#include <cstdint>
#include <set>
#include <string>

class LayeredWindowPort;
class PropertyBag;

// Makes the window it is bound to translucent through its layered attributes: a constant alpha
// (0..255), a colour key, and the flags that say which of the two apply. Setting Alpha or
// AlphaFlags applies the attributes at once; a new AlphaColorKey waits for the next application.
class LayeredWnd {
public:
    static constexpr std::int32_t defaultAlpha = 255;
    static constexpr std::int32_t defaultAlphaFlags = 3;
    static constexpr std::int32_t defaultAlphaColorKey = 0;

    // Binds the window and applies the attributes.
    Status SetAlphaWnd(LayeredWindowPort* window);

    std::int32_t Alpha() const { return alpha_; }
    std::int32_t AlphaFlags() const { return flags_; }
    std::int32_t AlphaColorKey() const { return colorKey_; }
    // An Alpha outside 0..255 is kept but not applied: the setter gets the overflow error and the
    // window keeps its previous attributes.
    Status setAlpha(std::int32_t alpha);
    Status setAlphaFlags(std::int32_t flags);
    void setAlphaColorKey(std::int32_t colorKey);

    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;
    // The properties changed since the last save, by their key names.
    const std::set<std::string>& changedProperties() const { return changed_; }

private:
    Status ApplyAlpha();

    LayeredWindowPort* window_ = nullptr;
    std::int32_t alpha_ = defaultAlpha;
    std::int32_t flags_ = defaultAlphaFlags;
    std::int32_t colorKey_ = defaultAlphaColorKey;
    std::set<std::string> changed_;
};
