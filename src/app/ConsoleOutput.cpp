#include "ConsoleOutput.h"

#include <cstdio>

std::string ConsoleOutput::oneLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (char c : text) {
        if (c == '\n')
            line += "\\n";
        else if (c == '\r')
            line += "\\r";
        else
            line += c;
    }
    return line;
}

void ConsoleOutput::write(std::string_view label, std::string_view text) {
    std::string line(label);
    line += oneLine(text);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}
