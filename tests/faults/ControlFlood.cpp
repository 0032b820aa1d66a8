// Floods the control socket for a while: connections that say nothing, that send more than a
// request may hold, or that send bytes that are not text, many of them open at once.
//   control_flood SOCKET SECONDS   prints how many connections it made
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, argv[1], sizeof address.sun_path - 1);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[2]));
    const std::string overlong(10000, 'a');
    const std::string junk("say \xff\xfe\x01\x02\n", 9);
    std::deque<int> open;
    long made = 0;
    while (std::chrono::steady_clock::now() < until) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0)
            continue;
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            ::close(fd);
            continue;
        }
        ++made;
        if (made % 3 == 1)
            (void)!::send(fd, overlong.data(), overlong.size(), MSG_NOSIGNAL);
        else if (made % 3 == 2)
            (void)!::send(fd, junk.data(), junk.size(), MSG_NOSIGNAL);
        open.push_back(fd);
        if (open.size() > 200) {
            ::close(open.front());
            open.pop_front();
        }
    }
    for (int fd : open)
        ::close(fd);
    std::printf("%ld\n", made);
    return 0;
}
