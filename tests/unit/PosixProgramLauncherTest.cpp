#include "platform/linux/PosixProgramLauncher.h"
#include "TempFolder.h"

#include <chrono>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <thread>

namespace {

// Waits for a file that a started program writes; the program runs on its own, so the test can
// only look for its traces.
bool appears(const std::filesystem::path& file) {
    for (int i = 0; i < 500; ++i) {
        if (std::filesystem::exists(file) && !TempFolder::read(file).empty())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

void makeScript(const std::filesystem::path& path, const std::string& body,
                bool executable = true) {
    TempFolder::write(path, "#!/bin/sh\n" + body + "\n");
    ::chmod(path.c_str(), executable ? 0755 : 0644);
}

} // namespace

TEST(PosixProgramLauncher, StartsAnExecutableWithItsArgumentsAndNoShell) {
    TempFolder folder;
    const auto out = folder / "out";
    makeScript(folder / "record", "printf '%s|' \"$@\" > \"" + out.string() + "\"");
    PosixProgramLauncher launcher;
    ASSERT_TRUE(
        launcher.launch((folder / "record").string() + " one \"two three\" $(touch x) ;").ok());
    ASSERT_TRUE(appears(out));
    EXPECT_EQ(TempFolder::read(out), "one|two three|$(touch|x)|;|");
}

TEST(PosixProgramLauncher, StartsAProgramWhosePathHasBlanks) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "My Programs");
    const auto out = folder / "out";
    makeScript(folder / "My Programs" / "app", "echo started > \"" + out.string() + "\"");
    PosixProgramLauncher launcher;
    ASSERT_TRUE(launcher.launch((folder / "My Programs" / "app").string()).ok());
    EXPECT_TRUE(appears(out));
}

TEST(PosixProgramLauncher, RunsTheProgramInASessionOfItsOwnWithQuietStreams) {
    TempFolder folder;
    const auto out = folder / "out";
    makeScript(folder / "probe",
               "{ ps -o sid= -p $$; readlink /proc/$$/fd/0; readlink /proc/$$/fd/2; "
               "echo \"$DESKTOP_STARTUP_ID\"; } > \"" +
                   out.string() + ".tmp\"; mv \"" + out.string() + ".tmp\" \"" + out.string() +
                   "\"");
    PosixProgramLauncher launcher;
    ASSERT_TRUE(launcher.launch((folder / "probe").string()).ok());
    ASSERT_TRUE(appears(out));
    const std::string report = TempFolder::read(out);
    // The first line is the program's session; other lines may hold this process's id too.
    EXPECT_NE(std::stol(report), static_cast<long>(::getsid(0))) << report;
    EXPECT_NE(report.find("/dev/null\n/dev/null\n"), std::string::npos) << report;
    EXPECT_NE(report.find("_TIME0"), std::string::npos) << report;
}

TEST(PosixProgramLauncher, RefusesWhatIsNotAnExecutableFile) {
    TempFolder folder;
    makeScript(folder / "notes.txt", "echo hi", false);
    std::filesystem::create_directory(folder / "folder");
    std::filesystem::create_symlink(folder / "gone", folder / "dangling");
    PosixProgramLauncher launcher;
    for (const std::string& line :
         {std::string(), (folder / "notes.txt").string(), (folder / "folder").string(),
          (folder / "dangling").string(), std::string("; rm -rf ~"), std::string("$(touch x)"),
          std::string("`touch x`")})
        EXPECT_FALSE(launcher.launch(line).ok()) << line;
    EXPECT_FALSE(std::filesystem::exists("x"));
}

namespace {
// Children of this process that have ended but whose status nobody collected.
int zombieChildren() {
    int zombies = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const std::string stat = TempFolder::read(entry.path() / "stat");
        const auto close = stat.rfind(')');
        if (close == std::string::npos || close + 4 >= stat.size())
            continue;
        std::istringstream fields(stat.substr(close + 2));
        char state = 0;
        int parent = 0;
        fields >> state >> parent;
        if (state == 'Z' && parent == ::getpid())
            ++zombies;
    }
    return zombies;
}
} // namespace

TEST(PosixProgramLauncher, LeavesNoZombieBehind) {
    TempFolder folder;
    makeScript(folder / "quick", "exit 0");
    {
        PosixProgramLauncher launcher;
        for (int i = 0; i < 20; ++i)
            ASSERT_TRUE(launcher.launch((folder / "quick").string()).ok());
        bool collected = false;
        for (int i = 0; i < 500 && !collected; ++i) {
            collected = zombieChildren() == 0;
            if (!collected)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        EXPECT_TRUE(collected) << zombieChildren() << " zombies";
    }
}
