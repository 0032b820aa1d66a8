#pragma once

#include <string>
#include <string_view>

// Standard output of the console mode: only "said: TEXT" and "message: TEXT" lines, one each.
// Line breaks inside a text are written as \n and \r, so one text stays one line.
class ConsoleOutput {
public:
    static void said(std::string_view text) { write("said: ", text); }
    static void message(std::string_view text) { write("message: ", text); }
    static std::string oneLine(std::string_view text);

private:
    static void write(std::string_view label, std::string_view text);
};
