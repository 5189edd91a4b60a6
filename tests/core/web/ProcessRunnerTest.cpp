#include <gtest/gtest.h>

#include <cstdlib>

#include "core/files/FileIO.h"
#include "core/web/MediaConverter.h"
#include "core/web/ProcessRunner.h"
#include "tests/core/TempFolder.h"

namespace tavrin {
namespace {

TEST(RunProcess, SaysWhetherTheProgramRanAndHowItEnded) {
    EXPECT_TRUE(RunProcess({"true"}).succeeded());

    const ProcessOutcome failed = RunProcess({"false"});
    EXPECT_TRUE(failed.started);
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.failure, "false ended with code 1");

    const ProcessOutcome missing = RunProcess({"tavrin-no-such-program"});
    EXPECT_FALSE(missing.started);
    EXPECT_EQ(missing.failure, "tavrin-no-such-program is not installed");

    // Arguments reach the program as they are, with no shell in between.
    TempFolder folder;
    const auto marker = folder / "made; rm -rf x";
    EXPECT_TRUE(RunProcess({"touch", marker.string()}).succeeded());
    EXPECT_TRUE(std::filesystem::exists(marker));
}

TEST(ProgramMediaConverter, AFailedRenderingIsReportedAndLeavesNoFile) {
    TempFolder folder;
    WriteFileAtomically(folder / "bad.mid", "not a tune");
    ProgramMediaConverter converter;
    const std::string failure =
        converter.convert(MediaTreatment::MidiToOgg, folder / "bad.mid", folder / "bad.ogg");
    EXPECT_FALSE(failure.empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "bad.ogg"));
    EXPECT_FALSE(std::filesystem::exists(folder / "bad.render.wav"));
}

} // namespace
} // namespace tavrin
