#pragma once

#include "platform/LayeredWindowPort.h"

class QWidget;

// Layered attributes on X11: the constant alpha becomes the window's opacity, which a compositor
// shows. A colour key has no counterpart there (an X11 window without an alpha channel cannot
// drop pixels by colour); the program's windows are cut by their regions instead.
class QtLayeredWindow final : public LayeredWindowPort {
public:
    explicit QtLayeredWindow(QWidget& window);

    void makeLayered() override {}
    void setLayeredAttributes(std::uint32_t colorKey, std::uint8_t alpha,
                              std::int32_t flags) override;

private:
    QWidget& window_;
};
