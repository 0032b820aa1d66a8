#pragma once

#include "Status.h"

#include <string_view>

// Diagnostics go to standard error, one line each, prefixed with the program's name. Standard
// output belongs to the console mode's protocol and is never written here.
class Log {
public:
    static void setProgramName(std::string_view name);
    static void warning(std::string_view message);
    static void info(std::string_view message);
    // Says a message only the first time it is given with this key, so a failure that repeats on
    // every reload is reported once.
    static void warningOnce(std::string_view key, std::string_view message);

    // Says a failed status with what was being done; says nothing for a success.
    static void report(std::string_view doing, const Status& status);
    // Likewise, but a failure with the same text is said only once per run.
    static void reportOnce(std::string_view doing, const Status& status);
};
