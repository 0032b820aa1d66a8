#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The key notation of "Type" arguments: characters stand for themselves; "{NAME}" names a key and
// "{NAME n}" repeats it; "+", "^" and "%" hold Shift, Ctrl and Alt for the next key or for a
// "( )" group; "~" is Enter; "{+}", "{^}", "{%}", "{~}", "{(}", "{)}", "{{}" and "{}}" are the
// characters themselves. Key names are not case-sensitive. Parsing turns a text into the key
// presses and releases that type it; malformed notation is an error and gives no events.
enum class Modifier : std::uint8_t { Shift, Control, Alt };

enum class NamedKey : std::uint8_t {
    Enter,
    Tab,
    Escape,
    Backspace,
    Delete,
    Insert,
    Home,
    End,
    PageUp,
    PageDown,
    Up,
    Down,
    Left,
    Right,
    CapsLock,
    NumLock,
    ScrollLock,
    Break,
    PrintScreen,
    Help,
    Add,
    Subtract,
    Multiply,
    Divide,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    F13,
    F14,
    F15,
    F16
};

struct Key {
    enum class Kind : std::uint8_t { Character, Named, Modifier };
    Kind kind = Kind::Character;
    char32_t character = 0;
    NamedKey named = NamedKey::Enter;
    Modifier modifier = Modifier::Shift;

    static Key ofCharacter(char32_t c) { return Key{Kind::Character, c, {}, {}}; }
    static Key ofName(NamedKey k) { return Key{Kind::Named, 0, k, {}}; }
    static Key ofModifier(Modifier m) { return Key{Kind::Modifier, 0, {}, m}; }
    bool operator==(const Key&) const = default;
};

struct KeyEvent {
    Key key;
    bool down = true;
    bool operator==(const KeyEvent&) const = default;
};

class KeyNotation {
public:
    // Bounds that keep a hand-edited argument from typing for minutes or nesting without end.
    static constexpr int maxRepeat = 1000;
    static constexpr int maxKeyStrokes = 20000;
    static constexpr int maxGroupDepth = 8;

    struct Result {
        std::vector<KeyEvent> events;
        std::string error; // empty on success
        bool ok() const { return error.empty(); }
    };

    static Result parse(std::string_view notation);
    // The key name for messages and tests, as written in braces ("ENTER", "F5").
    static std::string nameOf(NamedKey key);
};
