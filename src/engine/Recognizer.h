#pragma once

#include "core/Status.h"

#include <functional>
#include <string>

// The speech recognizer as the program drives it: deactivate, load a grammar from the phrase file,
// activate, and a phrase event that carries the recognized phrase exactly as the phrase file
// writes it. Events reach the handler on the user-interface thread only.
class Recognizer {
public:
    using PhraseHandler = std::function<void(const std::string& phrase)>;

    virtual ~Recognizer() = default;

    // Recognition with the old grammar stops.
    virtual void deactivate() = 0;
    // The phrase file's phrases replace the grammar. A file without phrases is refused.
    virtual Status loadGrammarFromFile(const std::string& path) = 0;
    // Recognition runs until the next deactivate.
    virtual Status activate() = 0;

    void setPhraseHandler(PhraseHandler handler) { phraseHandler_ = std::move(handler); }

    // Whether the recognizer hears, and if not why (for diagnostics).
    struct Condition {
        bool working = true;
        std::string detail;
    };
    virtual Condition condition() const { return {true, "listening"}; }
    // How many phrases the grammar in force holds; -1 when the recognizer does not say.
    virtual int grammarPhraseCount() const { return -1; }

protected:
    // Implementations call this on the user-interface thread.
    void raisePhrase(const std::string& phrase) {
        if (phraseHandler_)
            phraseHandler_(phrase);
    }

private:
    PhraseHandler phraseHandler_;
};
