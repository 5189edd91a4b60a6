#pragma once

#include "player/PlayerLaunch.h"

namespace tavrin {

// main() of a player program: the application, the platform, the run.
int PlayerMain(int argc, char** argv, PlayerProgram program);

} // namespace tavrin
