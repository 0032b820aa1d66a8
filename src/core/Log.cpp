#include "Log.h"

#include <cstdio>
#include <mutex>
#include <set>
#include <string>

namespace {
std::mutex logMutex;
std::string programName = "parlon";
std::set<std::string, std::less<>> saidOnce;

void write(std::string_view level, std::string_view message) {
    std::lock_guard lock(logMutex);
    std::string line = programName;
    line += ": ";
    line += level;
    line += message;
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}
} // namespace

void Log::setProgramName(std::string_view name) {
    std::lock_guard lock(logMutex);
    programName = name;
}

void Log::warning(std::string_view message) {
    write("warning: ", message);
}

void Log::info(std::string_view message) {
    write("", message);
}

void Log::warningOnce(std::string_view key, std::string_view message) {
    {
        std::lock_guard lock(logMutex);
        if (!saidOnce.emplace(key).second)
            return;
    }
    warning(message);
}

void Log::report(std::string_view doing, const Status& status) {
    if (!status.ok())
        warning(std::string(doing) + ": " + status.message());
}

void Log::reportOnce(std::string_view doing, const Status& status) {
    if (status.ok())
        return;
    const std::string line = std::string(doing) + ": " + status.message();
    warningOnce(line, line);
}
