#pragma once

#include "core/Status.h"

#include <string>

// Starts an executable file from a command line, never through a shell, without taking the focus.
// Fails for anything that is not an executable file.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    virtual Status launch(const std::string& commandLine) = 0;
};
