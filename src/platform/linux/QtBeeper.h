#pragma once

#include "platform/Beeper.h"

// The desktop's bell.
class QtBeeper final : public Beeper {
public:
    void beep() override;
};
