#include "XTestKeySender.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
// Xlib names its result type Status; ours is the class of that name.
#undef Status
#include <algorithm>
#include <cstdlib>

namespace {

unsigned long keysymOf(NamedKey key) {
    switch (key) {
    case NamedKey::Enter:
        return XK_Return;
    case NamedKey::Tab:
        return XK_Tab;
    case NamedKey::Escape:
        return XK_Escape;
    case NamedKey::Backspace:
        return XK_BackSpace;
    case NamedKey::Delete:
        return XK_Delete;
    case NamedKey::Insert:
        return XK_Insert;
    case NamedKey::Home:
        return XK_Home;
    case NamedKey::End:
        return XK_End;
    case NamedKey::PageUp:
        return XK_Prior;
    case NamedKey::PageDown:
        return XK_Next;
    case NamedKey::Up:
        return XK_Up;
    case NamedKey::Down:
        return XK_Down;
    case NamedKey::Left:
        return XK_Left;
    case NamedKey::Right:
        return XK_Right;
    case NamedKey::CapsLock:
        return XK_Caps_Lock;
    case NamedKey::NumLock:
        return XK_Num_Lock;
    case NamedKey::ScrollLock:
        return XK_Scroll_Lock;
    case NamedKey::Break:
        return XK_Pause;
    case NamedKey::PrintScreen:
        return XK_Print;
    case NamedKey::Help:
        return XK_Help;
    case NamedKey::Add:
        return XK_KP_Add;
    case NamedKey::Subtract:
        return XK_KP_Subtract;
    case NamedKey::Multiply:
        return XK_KP_Multiply;
    case NamedKey::Divide:
        return XK_KP_Divide;
    default:
        return XK_F1 + (static_cast<unsigned long>(key) - static_cast<unsigned long>(NamedKey::F1));
    }
}

unsigned long keysymOf(Modifier modifier) {
    switch (modifier) {
    case Modifier::Shift:
        return XK_Shift_L;
    case Modifier::Control:
        return XK_Control_L;
    case Modifier::Alt:
        return XK_Alt_L;
    }
    return XK_Shift_L;
}

// X keysyms: Latin-1 characters are their own keysym, others are 0x01000000 + the code point.
unsigned long keysymOfCharacter(char32_t c) {
    if (c == '\n' || c == '\r')
        return XK_Return;
    if ((c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFF))
        return c;
    return 0x01000000UL | c;
}

} // namespace

XTestKeySender::XTestKeySender() = default;

XTestKeySender::~XTestKeySender() {
    if (display_) {
        releaseSpareKeycodes();
        XCloseDisplay(display_);
    }
}

Status XTestKeySender::connect() {
    if (display_)
        return Status::success();
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name)
        return Status::failure("no X11 display to type into (DISPLAY is not set)");
    display_ = XOpenDisplay(nullptr);
    if (!display_)
        return Status::failure(std::string("cannot open the X11 display ") + name);
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display_, &event, &error, &major, &minor)) {
        XCloseDisplay(display_);
        display_ = nullptr;
        return Status::failure("the X11 display has no XTEST extension");
    }
    // Key codes without any keysym are free to borrow for characters the layout lacks.
    int minCode = 0, maxCode = 0, perCode = 0;
    XDisplayKeycodes(display_, &minCode, &maxCode);
    KeySym* map = XGetKeyboardMapping(display_, static_cast<KeyCode>(minCode),
                                      maxCode - minCode + 1, &perCode);
    for (int code = maxCode; code >= minCode && map; --code) {
        const KeySym* syms = map + (code - minCode) * perCode;
        if (std::all_of(syms, syms + perCode, [](KeySym s) { return s == NoSymbol; }))
            spareKeycodes_.push_back(static_cast<unsigned>(code));
    }
    if (map)
        XFree(map);
    return Status::success();
}

unsigned XTestKeySender::spareKeycodeFor(unsigned long keysym) {
    if (auto found = remapped_.find(keysym); found != remapped_.end())
        return found->second;
    if (spareKeycodes_.empty())
        return 0;
    if (remapped_.size() >= spareKeycodes_.size())
        releaseSpareKeycodes();
    const unsigned code = spareKeycodes_[remapped_.size()];
    KeySym syms[2] = {keysym, keysym};
    XChangeKeyboardMapping(display_, static_cast<int>(code), 2, syms, 1);
    XSync(display_, False);
    remapped_[keysym] = code;
    return code;
}

void XTestKeySender::releaseSpareKeycodes() {
    for (const auto& [keysym, code] : remapped_) {
        KeySym none[2] = {NoSymbol, NoSymbol};
        XChangeKeyboardMapping(display_, static_cast<int>(code), 2, none, 1);
    }
    remapped_.clear();
    XSync(display_, False);
}

bool XTestKeySender::strokeFor(const Key& key, Stroke& stroke) {
    unsigned long keysym = 0;
    switch (key.kind) {
    case Key::Kind::Modifier:
        keysym = keysymOf(key.modifier);
        break;
    case Key::Kind::Named:
        keysym = keysymOf(key.named);
        break;
    case Key::Kind::Character:
        keysym = keysymOfCharacter(key.character);
        break;
    }
    stroke = Stroke{};
    const KeyCode code = XKeysymToKeycode(display_, keysym);
    if (code != 0) {
        if (XkbKeycodeToKeysym(display_, code, 0, 0) == keysym) {
            stroke.keycode = code;
            return true;
        }
        if (XkbKeycodeToKeysym(display_, code, 0, 1) == keysym) {
            stroke.keycode = code;
            stroke.needsShift = true;
            return true;
        }
    }
    // Not on the first two levels of the layout (or not at all): borrow a spare key code.
    stroke.keycode = spareKeycodeFor(keysym);
    return stroke.keycode != 0;
}

Status XTestKeySender::send(const std::vector<KeyEvent>& events) {
    Status connected = connect();
    if (!connected)
        return connected;
    // Resolve every key first, so that nothing is typed when one of them cannot be.
    std::vector<Stroke> strokes(events.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (!strokeFor(events[i].key, strokes[i]))
            return Status::failure("no key code is free to type a character the keyboard lacks");
    }
    const KeyCode shift = XKeysymToKeycode(display_, XK_Shift_L);
    int shiftHeld = 0; // by the notation's own "+"
    for (std::size_t i = 0; i < events.size(); ++i) {
        const KeyEvent& event = events[i];
        const Stroke& stroke = strokes[i];
        if (event.key.kind == Key::Kind::Modifier && event.key.modifier == Modifier::Shift)
            shiftHeld += event.down ? 1 : -1;
        const bool addShift = stroke.needsShift && shiftHeld == 0 && shift != 0;
        if (addShift && event.down)
            XTestFakeKeyEvent(display_, shift, True, CurrentTime);
        XTestFakeKeyEvent(display_, stroke.keycode, event.down ? True : False, CurrentTime);
        if (addShift && !event.down)
            XTestFakeKeyEvent(display_, shift, False, CurrentTime);
    }
    XSync(display_, False);
    return Status::success();
}
