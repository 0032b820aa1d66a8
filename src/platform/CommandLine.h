#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Turns an Open argument into a program and its arguments without a shell. A program in double
// quotes is taken as quoted. Otherwise blanks need no quotes: the first prefix of the text,
// ending at a blank or at the end, that names an executable file is the program, and the rest are
// its arguments. A name without "/" is looked up in the search path (never in the current
// folder).
class CommandLine {
public:
    struct Plan {
        std::string program;
        std::vector<std::string> arguments;
        bool operator==(const Plan&) const = default;
    };
    using IsExecutable = std::function<bool(const std::string& path)>;

    static std::optional<Plan> resolve(std::string_view commandLine,
                                       const IsExecutable& isExecutable,
                                       const std::vector<std::string>& searchPath);
    // Splits on blanks; double quotes group, and a backslash before a double quote escapes it.
    static std::vector<std::string> splitArguments(std::string_view text);
    // The folders of a PATH value.
    static std::vector<std::string> searchPathFrom(std::string_view path);
};
