#include "BrainPaths.h"

#include <cstdlib>

BrainPaths BrainPaths::inFolder(const std::filesystem::path& folder) {
    return BrainPaths{folder, folder / "listen", folder / "commandi", folder / "action"};
}

std::filesystem::path BrainPaths::defaultFolder() {
    // XDG's base directory rules: a relative XDG_DATA_HOME is invalid and to be ignored.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/')
        return std::filesystem::path(dataHome) / "parlon";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::filesystem::path(home) / ".local" / "share" / "parlon";
    return {};
}
