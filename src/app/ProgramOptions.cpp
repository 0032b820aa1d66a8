#include "ProgramOptions.h"

ProgramOptions ProgramOptions::parse(const std::vector<std::string>& arguments) {
    ProgramOptions options;
    for (const auto& argument : arguments) {
        if (argument == "--console") {
            options.console = true;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--speech=auto") {
            options.speech = Speech::Auto;
        } else if (argument == "--speech=silent") {
            options.speech = Speech::Silent;
        } else if (argument == "--speech=instant") {
            options.speech = Speech::Instant;
        } else if (argument == "--verbose" || argument == "-v") {
            options.verbose = true;
        } else if (argument == "--no-listen") {
            options.listen = false;
        } else {
            options.error = "unknown option \"" + argument + "\"";
            break;
        }
    }
    return options;
}

std::string ProgramOptions::usage() {
    return "Usage: parlon [--console] [--speech=auto|silent|instant] [--no-listen] [--verbose]\n"
           "\n"
           "A talking head for the desktop that listens for the phrases of its brain and answers.\n"
           "\n"
           "  --console          run without windows: phrases are read from standard input, one\n"
           "                     per line, as if heard; standard output gets a line \"said: "
           "TEXT\"\n"
           "                     for every sentence spoken and \"message: TEXT\" for every "
           "message\n"
           "                     box (line breaks in a text are written as \\n); at the end of "
           "the\n"
           "                     input the brain is saved and the program ends\n"
           "  --speech=auto      speak through the sound server, or silently in real time when\n"
           "                     there is none (the default)\n"
           "  --speech=silent    never play sound; sentences still take their spoken time\n"
           "  --speech=instant   never play sound; sentences end at once (for scripted runs)\n"
           "  --no-listen        do not open the microphone: phrases come only from standard\n"
           "                     input (--console) or from parlonctl say\n"
           "  -v, --verbose      write every phrase heard and every sentence said to standard\n"
           "                     error\n"
           "  --version          print the version and exit\n"
           "  -h, --help         print this help and exit\n"
           "\n"
           "The brain lives in $XDG_DATA_HOME/parlon (by default ~/.local/share/parlon).\n"
           "parlonctl talks to the running program; see parlonctl --help.\n";
}
