#pragma once

#include <cstdint>

// A window's layered attributes: a constant alpha and a colour key, each used when its flag is
// set (colour key = 1, alpha = 2).
class LayeredWindowPort {
public:
    static constexpr std::int32_t colorKeyFlag = 1;
    static constexpr std::int32_t alphaFlag = 2;

    virtual ~LayeredWindowPort() = default;
    virtual void makeLayered() = 0;
    // colorKey is 0x00BBGGRR.
    virtual void setLayeredAttributes(std::uint32_t colorKey, std::uint8_t alpha,
                                      std::int32_t flags) = 0;
};
