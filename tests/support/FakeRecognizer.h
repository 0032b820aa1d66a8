#pragma once

#include "engine/Recognizer.h"

#include <string>
#include <vector>

// Records what the program asks of the recognizer; hear() raises the phrase event.
class FakeRecognizer final : public Recognizer {
public:
    void deactivate() override { calls.push_back("deactivate"); }
    Status loadGrammarFromFile(const std::string& path) override {
        calls.push_back("load " + path);
        return refuseGrammar ? Status::failure("grammar refused") : Status::success();
    }
    Status activate() override {
        calls.push_back("activate");
        return Status::success();
    }
    void hear(const std::string& phrase) { raisePhrase(phrase); }

    bool refuseGrammar = false;
    std::vector<std::string> calls;
};
