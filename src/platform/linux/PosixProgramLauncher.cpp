#include "PosixProgramLauncher.h"

#include "platform/CommandLine.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::atomic<unsigned> launchCount{0};

std::vector<std::string> childEnvironment() {
    std::vector<std::string> variables;
    for (char** entry = environ; entry && *entry; ++entry) {
        const std::string_view variable(*entry);
        // Our own activation must not pass on to the child: it would be allowed to take focus.
        if (variable.starts_with("DESKTOP_STARTUP_ID=") ||
            variable.starts_with("XDG_ACTIVATION_TOKEN="))
            continue;
        variables.emplace_back(variable);
    }
    // A startup id with time 0 tells toolkits to mark the new window "not to be focused".
    variables.push_back("DESKTOP_STARTUP_ID=parlon-" + std::to_string(::getpid()) + "-" +
                        std::to_string(++launchCount) + "_TIME0");
    return variables;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    pointers.reserve(strings.size() + 1);
    for (auto& s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

bool PosixProgramLauncher::isExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

Status PosixProgramLauncher::launch(const std::string& commandLine) {
    const char* pathVariable = std::getenv("PATH");
    const auto plan =
        CommandLine::resolve(commandLine, &PosixProgramLauncher::isExecutableFile,
                             CommandLine::searchPathFrom(pathVariable ? pathVariable : ""));
    if (!plan)
        return Status::failure("\"" + commandLine + "\" does not name an executable file");

    std::vector<std::string> argv;
    argv.push_back(plan->program);
    argv.insert(argv.end(), plan->arguments.begin(), plan->arguments.end());
    std::vector<std::string> envp = childEnvironment();
    auto argvPointers = pointersTo(argv);
    auto envpPointers = pointersTo(envp);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    for (int fd = 0; fd <= 2; ++fd)
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY,
                                         0);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    struct stat homeInfo {};
    if (const char* home = std::getenv("HOME");
        home && home[0] == '/' && ::stat(home, &homeInfo) == 0 && S_ISDIR(homeInfo.st_mode))
        posix_spawn_file_actions_addchdir_np(&actions, home);
    sigset_t noSignals;
    sigemptyset(&noSignals);
    sigset_t defaults;
    sigfillset(&defaults);
    posix_spawnattr_setsigmask(&attributes, &noSignals);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, plan->program.c_str(), &actions, &attributes,
                                    argvPointers.data(), envpPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (error != 0)
        return Status::failure(plan->program + ": " + std::strerror(error));

    // The program lives on its own; someone must still collect its exit status.
    reaper_.watch(pid);
    return Status::success();
}
