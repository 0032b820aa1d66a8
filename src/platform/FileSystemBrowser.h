#pragma once

#include "core/Status.h"

#include <filesystem>
#include <string>
#include <vector>

// What the program chooser shows of the file system: the mounted volumes a user keeps files on,
// the folders of a folder, and its executable files (on Linux an executable is a file with the
// execute bit, whatever its name).
class FileSystemBrowser {
public:
    explicit FileSystemBrowser(std::filesystem::path mountTable = "/proc/self/mounts");

    // Mount points of real file systems, "/" first, then in the order mounted.
    std::vector<std::string> volumes() const;
    // Names of the folders in the folder, sorted, hidden ones (".name") left out.
    Status folders(const std::filesystem::path& folder, std::vector<std::string>& names) const;
    // Names of the executable regular files in the folder (links followed), sorted.
    Status executables(const std::filesystem::path& folder, std::vector<std::string>& names) const;
    // Names of the regular files in the folder whose names end in the suffix, sorted.
    Status filesEndingIn(const std::filesystem::path& folder, const std::string& suffix,
                         std::vector<std::string>& names) const;

private:
    std::filesystem::path mountTable_;
};
