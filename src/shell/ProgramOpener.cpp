#include "ProgramOpener.h"

#include "Speaker.h"
#include "core/Log.h"
#include "platform/MessageBox.h"
#include "platform/ProgramLauncher.h"

ProgramOpener::ProgramOpener(Speaker& speaker, ProgramLauncher& launcher, MessageBox& messages)
    : speaker_(speaker)
    , launcher_(launcher)
    , messages_(messages) {}

bool ProgramOpener::openProgram(const std::string& commandLine) {
    speaker_.stopSpeaking();
    // The bubble gets its text before the speech starts.
    speaker_.show("Roger that!");
    speaker_.say("Roger that!");
    const Status started = launcher_.launch(commandLine);
    if (started)
        return true;
    Log::report("opening a program", started);
    messages_.show(failureMessage);
    return false;
}
