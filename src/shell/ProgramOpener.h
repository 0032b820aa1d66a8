#pragma once

#include <string>

class MessageBox;
class ProgramLauncher;
class Speaker;

// The "Open" response: "Roger that!", then the program starts, or the open-failure message.
class ProgramOpener {
public:
    static constexpr const char* failureMessage = "A parlon can only open EXE fileformat";

    ProgramOpener(Speaker& speaker, ProgramLauncher& launcher, MessageBox& messages);

    // False when the program could not be started (the message has then been shown).
    bool openProgram(const std::string& commandLine);

private:
    Speaker& speaker_;
    ProgramLauncher& launcher_;
    MessageBox& messages_;
};
