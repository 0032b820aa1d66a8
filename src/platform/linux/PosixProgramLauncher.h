#pragma once

#include "ChildReaper.h"
#include "platform/ProgramLauncher.h"

// Starts programs with posix_spawn: no shell, a session of their own, standard streams on
// /dev/null, the home folder as working folder, and a startup-notification id that asks the
// window manager not to give the new window the focus.
class PosixProgramLauncher final : public ProgramLauncher {
public:
    Status launch(const std::string& commandLine) override;

    static bool isExecutableFile(const std::string& path);

private:
    ChildReaper reaper_;
};
