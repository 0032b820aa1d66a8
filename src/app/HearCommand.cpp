#include "HearCommand.h"

#include "brain/BrainFileFormat.h"
#include "core/FileAccess.h"
#include "core/TextCodec.h"
#include "engine/AudioInput.h"
#include "engine/WavFile.h"
#include "engine/pocketsphinx/SphinxDecoder.h"
#include "engine/pocketsphinx/SpokenPhrases.h"

#include <cstdio>

namespace {
int usageError(const char* message) {
    std::fprintf(stderr, "parlonctl: %s\nTry \"parlonctl --help\".\n", message);
    return 2;
}
} // namespace

int HearCommand::run(const std::vector<std::string>& arguments) {
    std::string grammarPath;
    bool verbose = false;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--grammar" && i + 1 < arguments.size())
            grammarPath = arguments[++i];
        else if (arguments[i] == "--verbose")
            verbose = true;
        else
            files.push_back(arguments[i]);
    }
    if (grammarPath.empty())
        return usageError("hear needs --grammar PHRASEFILE");
    if (files.empty())
        return usageError("hear needs at least one WAV file");

    std::string bytes;
    std::string error;
    if (FileAccess::readWholeFile(grammarPath, bytes, error) != FileAccess::ReadResult::Read) {
        std::fprintf(stderr, "parlonctl: could not read the phrase file %s\n", grammarPath.c_str());
        return 1;
    }
    const SpokenPhrases phrases(BrainFileFormat::phrasesFromText(TextCodec::decode(bytes)));
    if (phrases.empty()) {
        std::fprintf(stderr, "parlonctl: the grammar has no phrases\n");
        return 1;
    }
    Status status = Status::success();
    auto decoder = SphinxDecoder::create(SphinxDecoder::Settings{}, status);
    if (decoder)
        status = decoder->setGrammar(phrases.sequences());
    if (!status) {
        std::fprintf(stderr, "parlonctl: %s\n", status.message().c_str());
        return 1;
    }
    int failures = 0;
    std::vector<SphinxDecoder::Heard> heard;
    for (const auto& file : files) {
        std::vector<std::int16_t> samples;
        const Status read = WavFile::read(file, AudioInput::sampleRate, samples);
        if (!read) {
            std::fprintf(stderr, "parlonctl: %s\n", read.message().c_str());
            ++failures;
            continue;
        }
        heard.clear();
        decoder->process(samples.data(), samples.size(), heard);
        decoder->finish(heard);
        std::string phrase = "-";
        for (const auto& result : heard) {
            if (verbose)
                std::fprintf(stderr,
                             "%s: candidate \"%s\" acceptance %.2f (needs %.2f): frames/phone "
                             "%.1f, score/frame %.1f, phone-loop gap %.1f, phone distance %.2f, "
                             "speech outside %.2f\n",
                             file.c_str(), result.candidate.c_str(), result.acceptance,
                             SphinxDecoder::acceptThreshold, result.framesPerPhone,
                             result.scorePerFrame, result.phoneLoopGap, result.phoneDistance,
                             result.speechOutside);
            if (phrase == "-" && !result.key.empty())
                phrase = phrases.writtenAs(result.key).front();
        }
        std::printf("%s\t%s\n", file.c_str(), phrase.c_str());
    }
    return failures == 0 ? 0 : 1;
}
