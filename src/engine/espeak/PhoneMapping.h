#pragma once

#include <string>
#include <string_view>
#include <vector>

// Turns espeak-ng's English phoneme names into the phone set of the recognizer's en-us model
// (the 39 phones of the CMU dictionary). Unknown names and stress or length marks are dropped.
class PhoneMapping {
public:
    // espeakPhonemes: phonemes joined by '_', words by blanks, as EspeakEngine::phonemes gives.
    static std::vector<std::string> toModelPhones(std::string_view espeakPhonemes);
};
