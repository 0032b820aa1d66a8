#pragma once

#include "KeyNotation.h"
#include "core/Status.h"

#include <vector>

// Sends key events to the window that has the focus, without waiting for them to be processed.
class KeySender {
public:
    virtual ~KeySender() = default;
    virtual Status send(const std::vector<KeyEvent>& events) = 0;

    // Parses the notation and sends it; a notation that does not parse sends nothing.
    Status type(std::string_view notation) {
        const auto parsed = KeyNotation::parse(notation);
        if (!parsed.ok())
            return Status::failure("key notation \"" + std::string(notation) +
                                   "\": " + parsed.error);
        return send(parsed.events);
    }
};
