#include "player/PlayerMain.h"

int main(int argc, char** argv) {
    return tavrin::PlayerMain(argc, argv, tavrin::PlayerProgram::kRunnerStub);
}
