#include "ChildReaper.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace {
int openProcessDescriptor(pid_t pid) {
#ifdef SYS_pidfd_open
    return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#else
    (void)pid;
    errno = ENOSYS;
    return -1;
#endif
}

void reap(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}
} // namespace

ChildReaper::ChildReaper() {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
        wakeRead_ = fds[0];
        wakeWrite_ = fds[1];
        thread_ = std::thread([this] { run(); });
    }
}

ChildReaper::~ChildReaper() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    if (thread_.joinable()) {
        const char byte = 0;
        (void)!::write(wakeWrite_, &byte, 1);
        thread_.join();
    }
    if (wakeRead_ >= 0)
        ::close(wakeRead_);
    if (wakeWrite_ >= 0)
        ::close(wakeWrite_);
}

void ChildReaper::watch(pid_t child) {
    if (!thread_.joinable()) {
        // No waiting thread could be started: a thread of its own waits for this child.
        std::thread([child] { reap(child); }).detach();
        return;
    }
    {
        std::lock_guard lock(mutex_);
        incoming_.push_back(child);
    }
    const char byte = 0;
    (void)!::write(wakeWrite_, &byte, 1);
}

void ChildReaper::run() {
    std::vector<std::pair<pid_t, int>> children; // pid and its process descriptor
    for (;;) {
        std::vector<pollfd> waits{{wakeRead_, POLLIN, 0}};
        for (const auto& child : children)
            waits.push_back({child.second, POLLIN, 0});
        if (::poll(waits.data(), waits.size(), -1) < 0 && errno != EINTR)
            return;
        if (waits[0].revents) {
            char drain[64];
            while (::read(wakeRead_, drain, sizeof drain) > 0) {
            }
            std::vector<pid_t> arrived;
            {
                std::lock_guard lock(mutex_);
                if (stopping_)
                    return; // programs still running are the system's to collect after us
                arrived.swap(incoming_);
            }
            for (pid_t pid : arrived) {
                const int fd = openProcessDescriptor(pid);
                if (fd >= 0)
                    children.emplace_back(pid, fd);
                else
                    std::thread([pid] { reap(pid); }).detach();
            }
        }
        for (std::size_t i = 1; i < waits.size(); ++i) {
            if (!waits[i].revents)
                continue;
            const auto [pid, fd] = children[i - 1];
            reap(pid);
            ::close(fd);
            children[i - 1].first = -1;
        }
        std::erase_if(children, [](const auto& child) { return child.first < 0; });
    }
}
