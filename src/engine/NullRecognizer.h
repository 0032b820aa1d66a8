#pragma once

#include "Recognizer.h"

// A recognizer that hears nothing: the program runs without ears (phrases then come only from
// the console or from parlonctl). It accepts any grammar.
class NullRecognizer final : public Recognizer {
public:
    void deactivate() override {}
    Status loadGrammarFromFile(const std::string&) override { return Status::success(); }
    Status activate() override { return Status::success(); }
    int grammarPhraseCount() const override { return 0; }
    Condition condition() const override {
        return {false, "not listening: started with --no-listen"};
    }
};
