// LoadBrain and SaveBrain on a brain of 32,767 entries, side by side with plain file calls that
// read (respectively write and flush) the same bytes. Prints each median and the ratio.
#include "brain/BrainStore.h"
#include "brain/StringList.h"
#include "engine/NullRecognizer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double medianMs(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The plain program: read every line of a file with the C library.
std::size_t readLines(const std::filesystem::path& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        std::abort();
    char* line = nullptr;
    std::size_t capacity = 0;
    std::size_t lines = 0;
    while (::getline(&line, &capacity, file) >= 0)
        ++lines;
    std::free(line);
    std::fclose(file);
    return lines;
}

void writeAndFlush(const std::filesystem::path& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
        ::fsync(fd) != 0)
        std::abort();
    ::close(fd);
}

std::string readAll(const std::filesystem::path& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    std::string bytes;
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, got);
    std::fclose(file);
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    char pattern[] = "/tmp/parlon-bench-XXXXXX";
    const std::filesystem::path folder = ::mkdtemp(pattern);
    const BrainPaths paths = BrainPaths::inFolder(folder);

    NullRecognizer recognizer;
    StringList phrases, arguments, types, editorPhrases, editorArguments, editorTypes;
    BrainStore store(recognizer, paths, {phrases, arguments, types});
    store.attachEditorLists({editorPhrases, editorArguments, editorTypes});
    const char* kinds[] = {"Speak", "Open", "Type", "Read"};
    for (int i = 0; i < 32767; ++i) {
        phrases.append("open the program number " + std::to_string(i));
        arguments.append("/usr/local/bin/program-" + std::to_string(i) + " --with an argument");
        types.append(kinds[i % 4]);
    }
    if (!store.SaveBrain().ok())
        return 1;
    const std::string listen = readAll(paths.listen);
    const std::string commandi = readAll(paths.commandi);
    const std::string action = readAll(paths.action);
    const std::filesystem::path plain = folder / "plain";
    std::filesystem::create_directory(plain);

    const double readMs = medianMs(runs, [&] {
        readLines(paths.listen);
        readLines(paths.commandi);
        readLines(paths.action);
    });
    const double loadMs = medianMs(runs, [&] {
        store.clearAllLists();
        if (!store.LoadBrain().ok())
            std::abort();
    });
    const double writeMs = medianMs(runs, [&] {
        writeAndFlush(plain / "listen", listen);
        writeAndFlush(plain / "commandi", commandi);
        writeAndFlush(plain / "action", action);
    });
    const double saveMs = medianMs(runs, [&] {
        if (!store.SaveBrain().ok())
            std::abort();
    });

    std::printf("brain of %d entries, %zu bytes in three files, median of %d runs\n",
                phrases.count(), listen.size() + commandi.size() + action.size(), runs);
    std::printf("  plain read of the lines   %8.2f ms\n", readMs);
    std::printf("  LoadBrain                 %8.2f ms   ratio %.2f (goal <= 3)\n", loadMs,
                loadMs / readMs);
    std::printf("  plain write and flush     %8.2f ms\n", writeMs);
    std::printf("  SaveBrain                 %8.2f ms   ratio %.2f (goal <= 3)\n", saveMs,
                saveMs / writeMs);
    std::filesystem::remove_all(folder);
    return 0;
}
