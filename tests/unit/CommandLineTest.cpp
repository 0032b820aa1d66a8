#include "platform/CommandLine.h"

#include <gtest/gtest.h>
#include <set>

using Plan = CommandLine::Plan;

TEST(CommandLine, FindsTheProgramAsTheFirstExecutablePrefix) {
    const std::set<std::string> executables = {"/opt/My Apps/run", "/usr/bin/xterm", "/opt/My"};
    const auto isExecutable = [&](const std::string& p) { return executables.count(p) > 0; };
    const std::vector<std::string> path = {"/usr/bin", "relative"};
    const struct {
        const char* line;
        std::optional<Plan> plan;
    } cases[] = {
        {"/usr/bin/xterm", Plan{"/usr/bin/xterm", {}}},
        {"  /usr/bin/xterm -e top", Plan{"/usr/bin/xterm", {"-e", "top"}}},
        {"xterm -title \"a b\"", Plan{"/usr/bin/xterm", {"-title", "a b"}}},
        {"/opt/My Apps/run now", Plan{"/opt/My", {"Apps/run", "now"}}},
        {"\"/opt/My Apps/run\" now", Plan{"/opt/My Apps/run", {"now"}}},
        {"/usr/bin/xterm ; rm -rf ~", Plan{"/usr/bin/xterm", {";", "rm", "-rf", "~"}}},
        {"/usr/bin/xterm $(touch x) `id`", Plan{"/usr/bin/xterm", {"$(touch", "x)", "`id`"}}},
        {"/usr/bin/xterm say \\\"hi\\\"", Plan{"/usr/bin/xterm", {"say", "\"hi\""}}},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"/etc/passwd", std::nullopt},
        {"run", std::nullopt},
        {"\"/opt/My Apps/run", std::nullopt},
        {"; rm -rf ~", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommandLine::resolve(c.line, isExecutable, path), c.plan) << c.line;
}

TEST(CommandLine, NeverSearchesTheCurrentFolder) {
    const auto isExecutable = [](const std::string& p) { return p == "tool" || p == "./tool"; };
    EXPECT_FALSE(CommandLine::resolve("tool", isExecutable, CommandLine::searchPathFrom(":.:")));
    EXPECT_TRUE(CommandLine::resolve("./tool", isExecutable, {}));
}

TEST(CommandLine, SplitsASearchPath) {
    EXPECT_EQ(CommandLine::searchPathFrom("/a:/b::/c"),
              (std::vector<std::string>{"/a", "/b", "", "/c"}));
}
