#include "FileSystemBrowser.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <unistd.h>

namespace {

// File systems that hold no user files: the kernel's views, pseudo and virtual ones.
const std::set<std::string, std::less<>> pseudoFileSystems = {
    "proc",      "sysfs",      "devtmpfs", "devpts",   "securityfs",  "cgroup",
    "cgroup2",   "pstore",     "bpf",      "debugfs",  "tracefs",     "mqueue",
    "hugetlbfs", "configfs",   "fusectl",  "autofs",   "binfmt_misc", "nsfs",
    "efivarfs",  "rpc_pipefs", "overlay",  "squashfs", "ramfs"};

// /proc/self/mounts writes blanks and tabs in paths as octal escapes.
std::string unescape(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string digits = field.substr(i + 1, 3);
            if (digits.size() == 3 && std::all_of(digits.begin(), digits.end(),
                                                  [](char c) { return c >= '0' && c <= '7'; })) {
                out += static_cast<char>(std::stoi(digits, nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

template <typename Keep>
Status listFolder(const std::filesystem::path& folder, std::vector<std::string>& names, Keep keep) {
    names.clear();
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error)
        return Status::failure(folder.string() + ": " + error.message());
    for (const auto& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (keep(entry, name))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return Status::success();
}

} // namespace

FileSystemBrowser::FileSystemBrowser(std::filesystem::path mountTable)
    : mountTable_(std::move(mountTable)) {}

std::vector<std::string> FileSystemBrowser::volumes() const {
    std::vector<std::string> mounts{"/"};
    std::ifstream table(mountTable_);
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string device, point, type;
        if (!(fields >> device >> point >> type))
            continue;
        point = unescape(point);
        const bool systemPlace = point.starts_with("/proc") || point.starts_with("/sys") ||
                                 point.starts_with("/dev") ||
                                 (point.starts_with("/run") && !point.starts_with("/run/media"));
        if (pseudoFileSystems.count(type) || systemPlace)
            continue;
        if (std::find(mounts.begin(), mounts.end(), point) == mounts.end())
            mounts.push_back(point);
    }
    return mounts;
}

Status FileSystemBrowser::folders(const std::filesystem::path& folder,
                                  std::vector<std::string>& names) const {
    return listFolder(folder, names,
                      [](const std::filesystem::directory_entry& entry, const std::string& name) {
                          std::error_code error;
                          return name.front() != '.' && entry.is_directory(error);
                      });
}

Status FileSystemBrowser::executables(const std::filesystem::path& folder,
                                      std::vector<std::string>& names) const {
    return listFolder(
        folder, names, [](const std::filesystem::directory_entry& entry, const std::string&) {
            std::error_code error;
            return entry.is_regular_file(error) && ::access(entry.path().c_str(), X_OK) == 0;
        });
}

Status FileSystemBrowser::filesEndingIn(const std::filesystem::path& folder,
                                        const std::string& suffix,
                                        std::vector<std::string>& names) const {
    return listFolder(
        folder, names,
        [&suffix](const std::filesystem::directory_entry& entry, const std::string& name) {
            std::error_code error;
            return name.size() > suffix.size() && name.ends_with(suffix) &&
                   entry.is_regular_file(error);
        });
}
