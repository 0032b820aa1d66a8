#pragma once

#include <array>
#include <optional>
#include <string_view>

// The keys the Action choice offers, by name, and the key code each stores as a "Type" argument,
// in the drop-down's order. The codes are stored exactly as written here.
class KeyTable {
public:
    struct Key {
        std::string_view name;
        std::string_view code;
    };
    static constexpr std::array<Key, 12> keys = {{
        {"Enter", "{enter}"},
        {"Space", " "},
        {"Left Key", "{left}"},
        {"Right Key", "{right}"},
        {"Up Key", "{up}"},
        {"Down Key", "{down}"},
        {"Copy", "^{c}"},
        {"Paste", "^{v}"},
        {"Cut", "^{x}"},
        {"Delete", "{DELETE}"},
        {"Backspace", "{backspace}"},
        {"Tab", "{TAB}"},
    }};

    // The code of the key with exactly this name (case-sensitive), if there is one.
    static std::optional<std::string_view> codeOf(std::string_view name) {
        for (const Key& key : keys) {
            if (key.name == name)
                return key.code;
        }
        return std::nullopt;
    }
};
