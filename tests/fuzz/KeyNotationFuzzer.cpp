// The key-notation parser: any text parses or is refused with a message; what parses presses and
// releases in balance, within the stroke limit.
#include "platform/KeyNotation.h"

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string notation(reinterpret_cast<const char*>(data), size);
    const auto result = KeyNotation::parse(notation);
    if (!result.ok()) {
        if (!result.events.empty())
            std::abort();
        return 0;
    }
    int held = 0;
    int strokes = 0;
    for (std::size_t i = 0; i < result.events.size(); ++i) {
        const KeyEvent& event = result.events[i];
        if (event.key.kind == Key::Kind::Modifier) {
            held += event.down ? 1 : -1;
            if (held < 0)
                std::abort();
            continue;
        }
        // A key goes down and straight back up.
        if (!event.down || i + 1 >= result.events.size() || result.events[i + 1].down ||
            !(result.events[i + 1].key == event.key))
            std::abort();
        ++i;
        ++strokes;
    }
    if (held != 0 || strokes > KeyNotation::maxKeyStrokes)
        std::abort();
    return 0;
}
