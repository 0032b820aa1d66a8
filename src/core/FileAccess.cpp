#include "FileAccess.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string describe(const std::filesystem::path& path, int error) {
    return path.string() + ": " + std::strerror(error);
}
} // namespace

FileAccess::ReadResult FileAccess::readWholeFile(const std::filesystem::path& path,
                                                 std::string& bytes, std::string& error) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return ReadResult::Missing;
        error = describe(path, errno);
        return ReadResult::Failed;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? path.string() + ": is a folder, not a file"
                                      : describe(path, errno ? errno : EINVAL);
        ::close(fd);
        return ReadResult::Failed;
    }
    if (static_cast<unsigned long long>(info.st_size) > maxFileBytes) {
        error = path.string() + ": larger than " + std::to_string(maxFileBytes >> 20) + " MB";
        ::close(fd);
        return ReadResult::Failed;
    }
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size())
            bytes.resize(done + 4096); // the file may have grown since fstat
        const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            error = describe(path, errno);
            ::close(fd);
            bytes.clear();
            return ReadResult::Failed;
        }
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
        if (done > maxFileBytes) {
            error = path.string() + ": larger than " + std::to_string(maxFileBytes >> 20) + " MB";
            ::close(fd);
            bytes.clear();
            return ReadResult::Failed;
        }
    }
    bytes.resize(done);
    ::close(fd);
    return ReadResult::Read;
}

Status FileAccess::ensureFolder(const std::filesystem::path& folder) {
    if (folder.empty())
        return Status::failure("no folder given");
    std::filesystem::path partial;
    for (const auto& part : folder) {
        partial /= part;
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST)
            return Status::failure(describe(partial, errno));
    }
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0)
        return Status::failure(describe(folder, errno));
    if (!S_ISDIR(info.st_mode))
        return Status::failure(folder.string() + ": is not a folder");
    return Status::success();
}

Status FileAccess::createIfMissing(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return Status::success();
    }
    if (errno == EEXIST)
        return Status::success();
    return Status::failure(describe(path, errno));
}

long long FileAccess::sizeOf(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return -1;
    return static_cast<long long>(info.st_size);
}
