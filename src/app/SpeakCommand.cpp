#include "SpeakCommand.h"

#include "engine/WavFile.h"
#include "engine/espeak/EspeakEngine.h"

#include <cstdio>
#include <cstdlib>

int SpeakCommand::run(const std::vector<std::string>& arguments) {
    std::string text;
    std::string out;
    EspeakEngine::Voice voice;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--wav" && i + 1 < arguments.size())
            out = arguments[++i];
        else if (arguments[i] == "--voice" && i + 1 < arguments.size())
            voice.name = arguments[++i];
        else if (arguments[i] == "--rate" && i + 1 < arguments.size())
            voice.wordsPerMinute = std::atoi(arguments[++i].c_str());
        else
            text += (text.empty() ? "" : " ") + arguments[i];
    }
    if (text.empty() || out.empty()) {
        std::fputs("parlonctl: speak needs a text and --wav OUT.wav\nTry \"parlonctl --help\".\n",
                   stderr);
        return 2;
    }
    std::vector<std::int16_t> samples;
    Status made = EspeakEngine::synthesize(text, voice, [&](const std::int16_t* s, std::size_t n) {
        samples.insert(samples.end(), s, s + n);
        return true;
    });
    if (made)
        made = WavFile::write(out, EspeakEngine::sampleRate(), samples);
    if (!made) {
        std::fprintf(stderr, "parlonctl: %s\n", made.message().c_str());
        return 1;
    }
    return 0;
}
