#pragma once

#include <string>
#include <vector>

// parlon's command line.
struct ProgramOptions {
    enum class Speech { Auto, Silent, Instant };

    bool console = false;
    bool help = false;
    bool version = false;
    Speech speech = Speech::Auto;
    bool listen = true;
    bool verbose = false;
    std::string error; // set when the command line is wrong

    static ProgramOptions parse(const std::vector<std::string>& arguments);
    static std::string usage();
};
