// parlonctl: talks to the running Parlon, and runs its speech engines offline.
#include "ControlClient.h"
#include "HearCommand.h"
#include "SpeakCommand.h"
#include "core/Log.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

const char* usage =
    "Usage: parlonctl COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  say PHRASE       hand PHRASE to the running Parlon as if it had been heard\n"
    "  add PHRASE TYPE ARGUMENT\n"
    "                   teach the running Parlon a phrase: TYPE is Speak, Open, Type or Read\n"
    "                   (for example: parlonctl add \"what time is it\" Read \"the time\")\n"
    "  remove PHRASE    forget the entries with this phrase (the four built-in ones stay)\n"
    "  phrases          what Parlon can hear now: one line per entry, its phrase, type and\n"
    "                   argument separated by tabs\n"
    "  status           whether Parlon runs, its state (Waiting, Listening, Asleep), whether\n"
    "                   it hears and speaks and why not, its brain folder, entries and grammar\n"
    "  hear --grammar PHRASEFILE WAV...\n"
    "                   recognize sound files offline with Parlon's ears: one line per file,\n"
    "                   its name, a tab, and the phrase heard as the phrase file writes it,\n"
    "                   or \"-\" (--verbose also says on standard error what was near)\n"
    "  speak TEXT --wav OUT.wav [--voice NAME] [--rate WORDS_PER_MINUTE]\n"
    "                   write what Parlon's voice would say into a WAV file\n"
    "  help             print this help\n"
    "\n"
    "Options:\n"
    "  -h, --help       print this help and exit\n";

// Sends one request to the running program and prints what it answers.
int request(const std::string& line) {
    std::vector<std::string> out;
    const Status done = ControlClient::request(line, out);
    for (const auto& outLine : out)
        std::printf("%s\n", outLine.c_str());
    if (!done) {
        std::fprintf(stderr, "parlonctl: %s\n", done.message().c_str());
        return 1;
    }
    return 0;
}

int wrongUse(const char* message) {
    std::fprintf(stderr, "parlonctl: %s\nTry \"parlonctl --help\".\n", message);
    return 2;
}

int say(const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return wrongUse("say needs a phrase");
    std::string phrase;
    for (const auto& word : arguments)
        phrase += (phrase.empty() ? "" : " ") + word;
    return request("say " + phrase);
}

int addEntry(const std::vector<std::string>& arguments) {
    if (arguments.size() != 3)
        return wrongUse("add needs a phrase, a type and an argument, each quoted if it has blanks");
    for (const auto& field : arguments) {
        if (field.find('\t') != std::string::npos)
            return wrongUse("a phrase or an argument cannot hold a tab");
    }
    return request("add " + arguments[0] + "\t" + arguments[1] + "\t" + arguments[2]);
}

int phrases(const std::vector<std::string>& arguments) {
    if (!arguments.empty())
        return wrongUse("phrases takes no arguments");
    return request("phrases");
}

int status(const std::vector<std::string>& arguments) {
    if (!arguments.empty())
        return wrongUse("status takes no arguments");
    std::vector<std::string> out;
    const Status done = ControlClient::request("status", out);
    if (!done) {
        std::printf("running: no (%s)\n", done.message().c_str());
        return 1;
    }
    for (const auto& line : out)
        std::printf("%s\n", line.c_str());
    return 0;
}

int removeEntries(const std::vector<std::string>& arguments) {
    if (arguments.size() != 1)
        return wrongUse("remove needs one phrase, quoted if it has blanks");
    return request("remove " + arguments[0]);
}

} // namespace

int main(int argc, char** argv) {
    Log::setProgramName("parlonctl");
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        std::fputs(usage, stderr);
        return 2;
    }
    const std::string command = arguments.front();
    arguments.erase(arguments.begin());
    if (command == "-h" || command == "--help" || command == "help") {
        std::fputs(usage, stdout);
        return 0;
    }
    const std::map<std::string, std::function<int(const std::vector<std::string>&)>> commands = {
        {"say", say},
        {"add", addEntry},
        {"remove", removeEntries},
        {"phrases", phrases},
        {"status", status},
        {"hear", HearCommand::run},
        {"speak", SpeakCommand::run},
    };
    const auto found = commands.find(command);
    if (found == commands.end()) {
        std::fprintf(stderr, "parlonctl: unknown command \"%s\"\nTry \"parlonctl --help\".\n",
                     command.c_str());
        return 2;
    }
    return found->second(arguments);
}
