// Saves a brain of 32,767 entries over and over, alternating two versions, until it is killed.
//   brain_save_loop references FOLDER   writes both versions' files to FOLDER/a and FOLDER/b
//   brain_save_loop save FOLDER         saves into FOLDER for ever (version a first)
#include "brain/BrainStore.h"
#include "brain/StringList.h"
#include "engine/NullRecognizer.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {
void fill(StringList& phrases, StringList& arguments, StringList& types, char version) {
    phrases.clear();
    arguments.clear();
    types.clear();
    for (int i = 0; i < 32767; ++i) {
        phrases.append(std::string("phrase ") + version + " number " + std::to_string(i));
        arguments.append(std::string("answer ") + version + " " + std::to_string(i * 7));
        types.append(i % 2 ? "Speak" : "Read");
    }
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const std::string mode = argv[1];
    const std::filesystem::path folder = argv[2];
    NullRecognizer recognizer;
    StringList phrases, arguments, types;
    if (mode == "references") {
        for (char version : {'a', 'b'}) {
            std::filesystem::create_directories(folder / std::string(1, version));
            BrainStore store(recognizer, BrainPaths::inFolder(folder / std::string(1, version)),
                             {phrases, arguments, types});
            fill(phrases, arguments, types, version);
            if (!store.SaveBrain().ok())
                return 1;
        }
        return 0;
    }
    BrainStore store(recognizer, BrainPaths::inFolder(folder), {phrases, arguments, types});
    for (long round = 0;; ++round) {
        fill(phrases, arguments, types, round % 2 ? 'b' : 'a');
        const Status saved = store.SaveBrain();
        if (!saved) {
            std::fprintf(stderr, "%s\n", saved.message().c_str());
            return 1;
        }
        if (round == 0) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
}
