#pragma once

#include <mutex>
#include <sys/types.h>
#include <thread>
#include <vector>

// Collects the exit status of the programs the launcher started, so none is left a zombie. One
// thread waits on all of them at once through process file descriptors.
class ChildReaper {
public:
    ChildReaper();
    ~ChildReaper();
    ChildReaper(const ChildReaper&) = delete;
    ChildReaper& operator=(const ChildReaper&) = delete;

    void watch(pid_t child);

private:
    void run();

    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::mutex mutex_;
    std::vector<pid_t> incoming_;
    bool stopping_ = false;
    std::thread thread_;
};
