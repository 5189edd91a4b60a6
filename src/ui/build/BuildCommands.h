#pragma once

#include "core/project/ProjectState.h"
#include "platform/Platform.h"

namespace tavrin {

// The runner stub and the quiz runner, both in the program folder.
inline constexpr const char* kRunnerStubFile = "dravlen.bin";
inline constexpr const char* kQuizRunnerFile = "vorlandt.exe";

// The managers' build operations on the current quiz. Each reports through
// the platform and returns true when it did its work; a file error ends the
// operation with the error box naming the file, and the author can go on.

// Writes the compiled quiz and tells the author how to run it.
bool CompileQuizCommand(Platform& platform, ProjectState& state);

// Compiles the quiz, writes NAME.EXE from the runner stub and offers to start
// it; the program runs from the quiz folder while the manager stays live.
bool CreateExecutableCommand(Platform& platform, ProjectState& state);

// Asks for a destination and copies everything a learner needs into it.
bool PrepareDistributionCommand(Platform& platform, ProjectState& state);

} // namespace tavrin
