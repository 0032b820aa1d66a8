#pragma once

#include <string>
#include <vector>

// parlonctl hear --grammar PHRASEFILE WAV...: recognizes sound files offline with the program's
// recognizer and settings; one line per file: its name, a tab, and the phrase as the phrase file
// writes it, or "-" when nothing was accepted.
class HearCommand {
public:
    static int run(const std::vector<std::string>& arguments);
};
