#include "SystemClock.h"

#include <ctime>

LocalDateTime SystemClock::now() const {
    const std::time_t seconds = std::time(nullptr);
    std::tm parts{};
    localtime_r(&seconds, &parts);
    return LocalDateTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                         parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}
