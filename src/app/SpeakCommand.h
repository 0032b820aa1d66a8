#pragma once

#include <string>
#include <vector>

// parlonctl speak TEXT --wav OUT.wav: writes what the program's voice would say into a WAV file.
class SpeakCommand {
public:
    static int run(const std::vector<std::string>& arguments);
};
