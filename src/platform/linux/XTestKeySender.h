#pragma once

#include "platform/KeySender.h"

#include <map>
#include <vector>

typedef struct _XDisplay Display;

// Sends keys through the X test extension to the window that has the focus. A character that the
// keyboard layout cannot type is put on a spare key code for the moment it is typed, so any
// character can be typed; the spare codes are given back when the sender is destroyed or when they
// run out.
class XTestKeySender final : public KeySender {
public:
    XTestKeySender();
    ~XTestKeySender() override;
    XTestKeySender(const XTestKeySender&) = delete;
    XTestKeySender& operator=(const XTestKeySender&) = delete;

    Status send(const std::vector<KeyEvent>& events) override;

private:
    struct Stroke {
        unsigned keycode = 0;
        bool needsShift = false;
    };
    Status connect();
    bool strokeFor(const Key& key, Stroke& stroke);
    unsigned spareKeycodeFor(unsigned long keysym);
    void releaseSpareKeycodes();

    Display* display_ = nullptr;
    std::vector<unsigned> spareKeycodes_;
    std::map<unsigned long, unsigned> remapped_; // keysym -> spare keycode it was put on
};
