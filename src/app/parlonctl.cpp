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

int say(const std::vector<std::string>& arguments)
{
    if (arguments.empty()) {
        std::fputs("parlonctl: say needs a phrase\nTry \"parlonctl --help\".\n", stderr);
        return 2;
    }
    std::string phrase;
    for (const auto& word : arguments)
        phrase += (phrase.empty() ? "" : " ") + word;
    std::vector<std::string> out;
    const Status sent = ControlClient::request("say " + phrase, out);
    if (!sent) {
        std::fprintf(stderr, "parlonctl: %s\n", sent.message().c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
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
