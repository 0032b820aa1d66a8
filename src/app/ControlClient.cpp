#include "ControlClient.h"

#include "ControlSocket.h"

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

Status ControlClient::request(const std::string& line, std::vector<std::string>& out) {
    const Status valid = ControlSocket::validateRequest(line);
    if (!valid)
        return valid;
    std::string path;
    const Status located = ControlSocket::path(path);
    if (!located)
        return located;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return Status::failure(path + ": path too long for a socket");
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);

    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return Status::failure(std::string("socket: ") + std::strerror(errno));
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == ENOENT || error == ECONNREFUSED)
            return Status::failure("Parlon is not running");
        return Status::failure(path + ": " + std::strerror(error));
    }
    const std::string request = line + "\n";
    std::size_t done = 0;
    while (done < request.size()) {
        const ssize_t wrote = ::write(fd, request.data() + done, request.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            ::close(fd);
            return Status::failure(std::string("sending the request: ") + std::strerror(errno));
        }
        done += static_cast<std::size_t>(wrote);
    }
    std::string answer;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        answer.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);

    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = answer.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(answer.substr(start, end - start));
    if (lines.empty())
        return Status::failure("Parlon closed the connection without an answer");
    const std::string last = lines.back();
    lines.pop_back();
    out.insert(out.end(), lines.begin(), lines.end());
    if (last == "ok")
        return Status::success();
    if (last.rfind("error: ", 0) == 0)
        return Status::failure(last.substr(7));
    return Status::failure("unexpected answer \"" + last + "\"");
}
