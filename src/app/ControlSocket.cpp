#include "ControlSocket.h"

#include "core/TextCodec.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

Status ControlSocket::path(std::string& socketPath) {
    std::string folder;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') {
        folder = runtime;
    } else {
        folder = "/tmp/parlon-" + std::to_string(::getuid());
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
            return Status::failure(folder + ": " + std::strerror(errno));
    }
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0)
        return Status::failure(folder + ": " + std::strerror(errno));
    // Anyone who could write into the folder could put a socket of their own in our place.
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::getuid() || (info.st_mode & 0077) != 0)
        return Status::failure(folder + " is not a folder private to this user");
    socketPath = folder + "/parlon.sock";
    return Status::success();
}

Status ControlSocket::validateRequest(std::string_view line) {
    if (line.size() > maxRequestBytes)
        return Status::failure("request longer than " + std::to_string(maxRequestBytes) + " bytes");
    if (!TextCodec::isValidUtf8(line))
        return Status::failure("request is not valid UTF-8 text");
    for (char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte == 0x7F)
            return Status::failure("request holds a control character");
    }
    return Status::success();
}
