#pragma once

#include <filesystem>

// Where the brain lives: $XDG_DATA_HOME/parlon (by default ~/.local/share/parlon) and its three
// files, named as they always were and without extension.
struct BrainPaths {
    std::filesystem::path folder;
    std::filesystem::path listen;   // phrases, also the recognizer's grammar text
    std::filesystem::path commandi; // arguments
    std::filesystem::path action;   // response types

    static BrainPaths inFolder(const std::filesystem::path& folder);
    // The user's brain folder from the environment; empty when neither XDG_DATA_HOME nor HOME
    // says where it is.
    static std::filesystem::path defaultFolder();
};
