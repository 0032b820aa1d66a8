#pragma once

#include <array>
#include <cstddef>

// How likely the grammar's best phrase for an utterance was really said, from the features of
// that phrase (as SphinxDecoder::Heard gives them): log-odds, the mean of a logistic regression's
// and boosted trees' (both fitted by bench/speech/fit-rejection).
class RejectionModel {
public:
    static constexpr std::size_t featureCount = 12;
    // framesPerPhone, scorePerFrame, phoneLoopGap, log(phones), phoneDistance,
    // min(speechOutside, 1), worstWordGap, silenceInside, heardPhoneRatio, fastestWord,
    // slowestWord, min(coverage, 2).
    using Features = std::array<double, featureCount>;
    static double logOdds(const Features& features);
};
