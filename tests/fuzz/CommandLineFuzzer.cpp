// The launcher's command-line splitting: any text gives a program that the checker said is
// executable and whose name the text holds, or nothing; arguments never hold a blank that was not
// quoted.
#include "platform/CommandLine.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    // Some paths count as executable files: those that end in 'x' or start with "/bin/".
    const auto isExecutable = [](const std::string& path) {
        return !path.empty() && (path.back() == 'x' || path.rfind("/bin/", 0) == 0);
    };
    const auto plan = CommandLine::resolve(line, isExecutable, {"/usr/bin", "/bin"});
    if (plan) {
        if (!isExecutable(plan->program))
            std::abort();
        const std::string name = plan->program.substr(plan->program.rfind('/') + 1);
        if (line.find(name) == std::string::npos)
            std::abort();
    }
    for (const auto& argument : CommandLine::splitArguments(line)) {
        if (argument.empty() && line.find('"') == std::string::npos)
            std::abort();
    }
    return 0;
}
