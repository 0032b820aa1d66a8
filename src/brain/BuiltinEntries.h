#pragma once

#include <array>
#include <string_view>

// The four entries every brain begins with. Entry 0's phrase is the chosen character's wake
// phrase and its argument carries the Bubble option in a trailing blank; entry 1's argument
// carries the character's visibility likewise.
struct BuiltinEntry {
    std::string_view phrase;
    std::string_view argument;
    std::string_view type;
};

namespace Builtin {
inline constexpr std::array<BuiltinEntry, 4> entries = {{
    {"zel listen", "I hear you", "Speak"},
    {"stop listen", "What ever", "Speak"},
    {"stop speak", "Ok I will shut up", "Speak"},
    {"go to sleep", "I hope I am sleepy", "Speak"},
}};
inline constexpr int count = 4;

inline constexpr std::string_view zelWakePhrase = "zel listen";
inline constexpr std::string_view nuboWakePhrase = "nubo listen";
inline constexpr std::string_view stopListen = "stop listen";
inline constexpr std::string_view stopSpeak = "stop speak";
inline constexpr std::string_view goToSleep = "go to sleep";

inline constexpr std::string_view bubbleOn = "I hear you";
inline constexpr std::string_view bubbleOff = "I hear you ";
inline constexpr std::string_view characterShown = "What ever";
inline constexpr std::string_view characterHidden = "What ever ";

// The add page refuses these as new phrases. "nubo listen" is not among them.
inline constexpr std::array<std::string_view, 4> reservedPhrases = {"go to sleep", "stop speak",
                                                                    "stop listen", "zel listen"};
} // namespace Builtin
