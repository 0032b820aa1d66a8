#pragma once

// The system's beep, for input that is refused.
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};
