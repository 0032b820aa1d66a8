#pragma once

#include <optional>
#include <string>

// The desktop clipboard (its text).
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    // Waits, letting events run, until another program has put something on the clipboard or
    // the time is up. True when it changed.
    virtual bool waitForChange(int timeoutMs) = 0;
    // The clipboard's text; nothing when it cannot be read.
    virtual std::optional<std::string> text() = 0;
};
