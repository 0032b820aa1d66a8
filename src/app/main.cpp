#include "ParlonApp.h"

int main(int argc, char** argv) {
    return ParlonApp().run(argc, argv);
}
