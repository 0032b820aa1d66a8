#pragma once

// The composition root: builds the engines, the desktop ports and the windows, wires them and runs
// the program.
class ParlonApp {
public:
    int run(int argc, char** argv);
};
