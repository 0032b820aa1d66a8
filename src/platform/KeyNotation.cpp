#include "KeyNotation.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace {

struct NameEntry {
    std::string_view name;
    NamedKey key;
};

constexpr std::array<NameEntry, 48> keyNames = {{
    {"ENTER", NamedKey::Enter},
    {"TAB", NamedKey::Tab},
    {"ESC", NamedKey::Escape},
    {"ESCAPE", NamedKey::Escape},
    {"BACKSPACE", NamedKey::Backspace},
    {"BS", NamedKey::Backspace},
    {"BKSP", NamedKey::Backspace},
    {"DELETE", NamedKey::Delete},
    {"DEL", NamedKey::Delete},
    {"INSERT", NamedKey::Insert},
    {"INS", NamedKey::Insert},
    {"HOME", NamedKey::Home},
    {"END", NamedKey::End},
    {"PGUP", NamedKey::PageUp},
    {"PGDN", NamedKey::PageDown},
    {"UP", NamedKey::Up},
    {"DOWN", NamedKey::Down},
    {"LEFT", NamedKey::Left},
    {"RIGHT", NamedKey::Right},
    {"CAPSLOCK", NamedKey::CapsLock},
    {"NUMLOCK", NamedKey::NumLock},
    {"SCROLLLOCK", NamedKey::ScrollLock},
    {"BREAK", NamedKey::Break},
    {"PRTSC", NamedKey::PrintScreen},
    {"HELP", NamedKey::Help},
    {"ADD", NamedKey::Add},
    {"SUBTRACT", NamedKey::Subtract},
    {"MULTIPLY", NamedKey::Multiply},
    {"DIVIDE", NamedKey::Divide},
    {"F1", NamedKey::F1},
    {"F2", NamedKey::F2},
    {"F3", NamedKey::F3},
    {"F4", NamedKey::F4},
    {"F5", NamedKey::F5},
    {"F6", NamedKey::F6},
    {"F7", NamedKey::F7},
    {"F8", NamedKey::F8},
    {"F9", NamedKey::F9},
    {"F10", NamedKey::F10},
    {"F11", NamedKey::F11},
    {"F12", NamedKey::F12},
    {"F13", NamedKey::F13},
    {"F14", NamedKey::F14},
    {"F15", NamedKey::F15},
    {"F16", NamedKey::F16},
    {"RETURN", NamedKey::Enter},
    {"PRINTSCREEN", NamedKey::PrintScreen},
    {"PAUSE", NamedKey::Break},
}};

std::string upper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

// Decodes one UTF-8 character; malformed bytes stand for themselves as Latin-1, which cannot
// happen for text that came through the brain's decoder.
char32_t decodeAt(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int length = b0 < 0x80 ? 1 : b0 < 0xE0 ? 2 : b0 < 0xF0 ? 3 : 4;
    if (b0 >= 0x80 && b0 < 0xC0)
        length = 1;
    if (i + static_cast<std::size_t>(length) > s.size()) {
        ++i;
        return b0;
    }
    char32_t c = length == 1   ? b0
                 : length == 2 ? (b0 & 0x1F)
                 : length == 3 ? (b0 & 0x0F)
                               : (b0 & 0x07);
    for (int k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return b0;
        }
        c = (c << 6) | (b & 0x3F);
    }
    i += static_cast<std::size_t>(length);
    return c;
}

std::size_t utf8Length(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size();) {
        decodeAt(s, i);
        ++count;
    }
    return count;
}

class Parser {
public:
    explicit Parser(std::string_view text)
        : text_(text) {}

    KeyNotation::Result run() {
        KeyNotation::Result result;
        if (!sequence(0, false))
            result.error = error_;
        else
            result.events = std::move(events_);
        return result;
    }

private:
    bool fail(std::string message) {
        if (error_.empty())
            error_ = std::move(message) + " at position " + std::to_string(position_ + 1);
        return false;
    }

    bool stroke(const Key& key) {
        if (++strokes_ > KeyNotation::maxKeyStrokes)
            return fail("more than " + std::to_string(KeyNotation::maxKeyStrokes) + " key strokes");
        events_.push_back({key, true});
        events_.push_back({key, false});
        return true;
    }

    // Items until the end of the text, or until the ")" that closes the current group.
    bool sequence(int depth, bool inGroup) {
        while (position_ < text_.size()) {
            if (text_[position_] == ')') {
                if (!inGroup)
                    return fail("\")\" without \"(\"");
                return true;
            }
            if (!item(depth))
                return false;
        }
        if (inGroup)
            return fail("\"(\" is never closed");
        return true;
    }

    bool item(int depth) {
        std::vector<Modifier> held;
        while (position_ < text_.size()) {
            const char c = text_[position_];
            Modifier modifier;
            if (c == '+')
                modifier = Modifier::Shift;
            else if (c == '^')
                modifier = Modifier::Control;
            else if (c == '%')
                modifier = Modifier::Alt;
            else
                break;
            if (std::find(held.begin(), held.end(), modifier) != held.end())
                return fail(std::string("\"") + c + "\" given twice for one key");
            held.push_back(modifier);
            ++position_;
        }
        if (position_ >= text_.size())
            return fail("a modifier without a key to hold it for");
        for (Modifier m : held)
            events_.push_back({Key::ofModifier(m), true});
        if (!unit(depth))
            return false;
        for (auto it = held.rbegin(); it != held.rend(); ++it)
            events_.push_back({Key::ofModifier(*it), false});
        return true;
    }

    bool unit(int depth) {
        const char c = text_[position_];
        switch (c) {
        case '(': {
            if (depth + 1 > KeyNotation::maxGroupDepth)
                return fail("groups nested deeper than " +
                            std::to_string(KeyNotation::maxGroupDepth));
            ++position_;
            if (!sequence(depth + 1, true))
                return false;
            ++position_; // the closing ")"
            return true;
        }
        case ')':
            return fail("\")\" without \"(\"");
        case '{':
            return braces();
        case '}':
            return fail("\"}\" without \"{\"");
        case '~':
            ++position_;
            return stroke(Key::ofName(NamedKey::Enter));
        case '\t':
            ++position_;
            return stroke(Key::ofName(NamedKey::Tab));
        default:
            return stroke(Key::ofCharacter(decodeAt(text_, position_)));
        }
    }

    bool braces() {
        const std::size_t open = position_;
        ++position_;
        if (position_ >= text_.size())
            return fail("\"{\" is never closed");
        // The first character belongs to the name whatever it is, so "{}}" and "{{}" work.
        std::size_t first = position_;
        decodeAt(text_, position_);
        const std::size_t close = text_.find('}', position_);
        if (close == std::string_view::npos) {
            position_ = open;
            return fail("\"{\" is never closed");
        }
        std::string_view inside = text_.substr(first, close - first);
        position_ = close + 1;

        int repeat = 1;
        const std::size_t blank = inside.rfind(' ');
        if (blank != std::string_view::npos && blank > 0 && blank + 1 < inside.size() &&
            std::all_of(inside.begin() + static_cast<std::ptrdiff_t>(blank) + 1, inside.end(),
                        [](unsigned char d) { return std::isdigit(d) != 0; })) {
            const std::string_view digits = inside.substr(blank + 1);
            if (digits.size() > 6 || std::stoi(std::string(digits)) > KeyNotation::maxRepeat) {
                position_ = open;
                return fail("a repeat count above " + std::to_string(KeyNotation::maxRepeat));
            }
            repeat = std::stoi(std::string(digits));
            inside = inside.substr(0, blank);
        }

        Key key;
        if (utf8Length(inside) == 1) {
            std::size_t i = 0;
            key = Key::ofCharacter(decodeAt(inside, i));
        } else {
            const std::string name = upper(inside);
            const auto found = std::find_if(keyNames.begin(), keyNames.end(),
                                            [&](const NameEntry& e) { return e.name == name; });
            if (found == keyNames.end()) {
                position_ = open;
                return fail("unknown key name {" + std::string(inside) + "}");
            }
            key = Key::ofName(found->key);
        }
        for (int k = 0; k < repeat; ++k) {
            if (!stroke(key))
                return false;
        }
        return true;
    }

    std::string_view text_;
    std::size_t position_ = 0;
    int strokes_ = 0;
    std::vector<KeyEvent> events_;
    std::string error_;
};

} // namespace

KeyNotation::Result KeyNotation::parse(std::string_view notation) {
    return Parser(notation).run();
}

std::string KeyNotation::nameOf(NamedKey key) {
    for (const auto& entry : keyNames) {
        if (entry.key == key)
            return std::string(entry.name);
    }
    return "?";
}
