#pragma once

#include "Clock.h"

// The machine's local time zone, read through the C library.
class SystemClock final : public Clock {
public:
    LocalDateTime now() const override;
};
