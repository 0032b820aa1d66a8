#include "AtomicFileSet.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <unistd.h>

namespace {

std::string describe(const std::filesystem::path& path, int error) {
    return path.string() + ": " + std::strerror(error);
}

// A brain file kept elsewhere through a symbolic link stays a link: the new content replaces the
// file it points to.
std::filesystem::path resolveLink(const std::filesystem::path& target) {
    char resolved[PATH_MAX];
    if (::realpath(target.c_str(), resolved))
        return resolved;
    return target;
}

Status writeAll(int fd, const std::string& bytes, const std::filesystem::path& path) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0) {
            if (errno == EINTR)
                continue;
            return Status::failure(describe(path, errno));
        }
        done += static_cast<std::size_t>(wrote);
    }
    if (::fsync(fd) != 0)
        return Status::failure(describe(path, errno));
    return Status::success();
}

void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return; // the data is on disk already; only the rename's durability is at stake
    ::fsync(fd);
    ::close(fd);
}

} // namespace

void AtomicFileSet::add(std::filesystem::path target, std::string bytes) {
    files_.push_back(Pending{std::move(target), std::move(bytes), {}});
}

Status AtomicFileSet::commit() {
    Status status = Status::success();
    for (auto& file : files_) {
        file.target = resolveLink(file.target);
        std::string pattern =
            (file.target.parent_path() / ("." + file.target.filename().string() + ".XXXXXX"))
                .string();
        const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (fd < 0) {
            status = Status::failure(describe(file.target.parent_path(), errno));
            break;
        }
        file.temporary = pattern;
        status = writeAll(fd, file.bytes, file.target);
        if (::close(fd) != 0 && status.ok())
            status = Status::failure(describe(file.target, errno));
        if (!status.ok())
            break;
    }
    if (status.ok()) {
        std::set<std::filesystem::path> folders;
        for (auto& file : files_) {
            if (::rename(file.temporary.c_str(), file.target.c_str()) != 0) {
                status.also(Status::failure(describe(file.target, errno)));
                continue;
            }
            file.temporary.clear();
            folders.insert(file.target.parent_path());
        }
        for (const auto& folder : folders)
            syncFolder(folder);
    }
    for (auto& file : files_) {
        if (!file.temporary.empty())
            ::unlink(file.temporary.c_str());
    }
    files_.clear();
    return status;
}

void AtomicFileSet::removeLeftovers(const std::filesystem::path& target) {
    const std::string prefix = "." + target.filename().string() + ".";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(target.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        // mkostemp's six random characters after the prefix.
        if (name.size() == prefix.size() + 6 && name.starts_with(prefix) &&
            entry.is_regular_file(error))
            std::filesystem::remove(entry.path(), error);
    }
}
