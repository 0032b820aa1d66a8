#pragma once

#include <functional>
#include <string>

class Synthesizer;

// Saying a text is handing it to the synthesizer; showing it is putting it into the bubble.
class Speaker {
public:
    using ShowHandler = std::function<void(const std::string& text)>;

    explicit Speaker(Synthesizer& synthesizer);

    void setShowHandler(ShowHandler handler) { show_ = std::move(handler); }

    void say(const std::string& text);
    void show(const std::string& text);
    void sayAndShow(const std::string& text) {
        say(text);
        show(text);
    }
    void stopSpeaking();

private:
    Synthesizer& synthesizer_;
    ShowHandler show_;
};
