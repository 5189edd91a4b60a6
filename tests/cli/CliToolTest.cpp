#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>

#include "core/files/FileIO.h"
#include "tests/core/CompiledQuizFixtures.h"

namespace tavrin {
namespace {

using testing::Append;
using testing::Bytes;
namespace fs = std::filesystem;

struct ToolRun {
    int code = -1;
    std::string out;
    std::string err;
};

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (const char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs the tool with the arguments and collects its exit code and output.
ToolRun Tool(const TempFolder& scratch, const std::vector<std::string>& args) {
    std::string command = Quote(TAVRIN_CLI_PATH);
    for (const auto& arg : args)
        command += " " + Quote(arg);
    const fs::path out = scratch / "stdout.txt";
    const fs::path err = scratch / "stderr.txt";
    command += " >" + Quote(out.string()) + " 2>" + Quote(err.string()) + " </dev/null";
    const int status = std::system(command.c_str());
    ToolRun run;
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadFileText(out);
    run.err = ReadFileText(err);
    return run;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class CliTool : public ::testing::Test {
protected:
    fs::path quizFolder() const { return scratch / "quiz folder"; }
    fs::path quizFile() const { return quizFolder() / "RIVERS.TIJ"; }

    void MakeQuizWithQuestions(int count) {
        ASSERT_EQ(Tool(scratch, {"new", "ti", quizFolder().string(), "RIVERS"}).code, 0);
        Bytes records;
        for (int i = 0; i < count; ++i)
            Append(records, testing::SampleRecord(1367, "R" + std::to_string(i)));
        WriteFileAtomically(quizFolder() / "RIVERS.TIQ", records);
    }

    void BuildExe() {
        WriteFileAtomically(scratch / "stub.bin", testing::TinyElfStub());
        const std::string stub = (scratch / "stub.bin").string();
        ASSERT_EQ(Tool(scratch, {"build-exe", quizFile().string(), "--stub", stub}).code, 0);
    }

    TempFolder scratch;
};

TEST_F(CliTool, NewCreatesTheQuizFileAndRefusesBadOrTakenNames) {
    const std::pair<std::string, std::string> badNames[] = {
        {"A?B", "A correct filename must be entered.\n"}, {"", "A filename must be entered.\n"}};
    for (const auto& [name, message] : badNames) {
        const ToolRun refused = Tool(scratch, {"new", "qa", quizFolder().string(), name});
        EXPECT_EQ(refused.code, 1);
        EXPECT_EQ(refused.err, message);
    }
    EXPECT_FALSE(fs::exists(quizFolder()));

    const ToolRun run = Tool(scratch, {"new", "ti", quizFolder().string(), "RIVERS"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(fs::file_size(quizFile()), 4958u);
    const ToolRun again = Tool(scratch, {"new", "ti", quizFolder().string(), "rivers"});
    EXPECT_EQ(again.code, 1);
    EXPECT_TRUE(Contains(again.err, "already exists")) << again.err;
}

TEST_F(CliTool, UsageErrorsExitWithTwo) {
    EXPECT_EQ(Tool(scratch, {}).code, 2);
    EXPECT_EQ(Tool(scratch, {"frobnicate"}).code, 2);
    EXPECT_EQ(Tool(scratch, {"new", "xx", "folder", "NAME"}).code, 2);
    EXPECT_EQ(Tool(scratch, {"compile", "notes.txt"}).code, 2);
    EXPECT_EQ(Tool(scratch, {"distribute", "A.TIJ", "out"}).code, 2);
    EXPECT_EQ(Tool(scratch, {"distribute", "A.TIJ", "out", "--exe", "--compiled"}).code, 2);
    EXPECT_EQ(Tool(scratch, {"inspect", "A.TIJ", "--yaml"}).code, 2);
    EXPECT_EQ(Tool(scratch, {"--help"}).code, 0);
}

TEST_F(CliTool, ConvertRewritesAQuizOfTheEarlierFormatAndRefusesOneCutShort) {
    fs::create_directories(quizFolder());
    Bytes earlier(2278, 0);
    const Bytes version = {0x04, '2', '.', '0', '1'}; // string[4] "2.01"
    std::copy(version.begin(), version.end(), earlier.begin());
    WriteFileAtomically(quizFile(), earlier);

    const ToolRun refused = Tool(scratch, {"compile", quizFile().string()});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(Contains(refused.err, "convert it first")) << refused.err;

    const ToolRun run = Tool(scratch, {"convert", quizFile().string()});
    ASSERT_EQ(run.code, 0) << run.err;
    const Bytes converted = ReadFileBytes(quizFile());
    ASSERT_EQ(converted.size(), 4958u);

    const ToolRun again = Tool(scratch, {"convert", quizFile().string()});
    EXPECT_EQ(again.code, 0);
    EXPECT_TRUE(Contains(again.out, "already in the current format"));
    EXPECT_EQ(ReadFileBytes(quizFile()), converted);

    WriteFileAtomically(quizFile(), Bytes{0x03, '2', '.', '1', 0, 0});
    const ToolRun cut = Tool(scratch, {"convert", quizFile().string()});
    EXPECT_EQ(cut.code, 1);
    EXPECT_EQ(cut.err,
              quizFile().string() + ": holds 6 bytes, too few for quiz settings (4958 bytes)\n");
}

TEST_F(CliTool, DistributeFindsAccentedNamesAndPrintsThemAsUtf8) {
    MakeQuizWithQuestions(1);
    // The topic file stores Windows-1252: "olé.wav" and "café.bmp".
    WriteFileAtomically(quizFolder() / "RIVERS.TIR",
                        "[R0]\r\nsource=HYPER\r\ntype=3\r\ncommand=ol\xE9.wav\r\n]\r\n\r\n"
                        "[R1]\r\nsource=HYPER\r\ntype=2\r\ncommand=CAF\xC9.BMP,10\r\n]\r\n");
    const fs::path destination = scratch / "learners";

    const ToolRun missing =
        Tool(scratch, {"distribute", quizFile().string(), destination.string(), "--no-programs"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err,
              "The file ol\xC3\xA9.wav is missing.\nThe file CAF\xC3\x89.BMP is missing.\n");
    EXPECT_FALSE(fs::exists(destination));

    WriteFileAtomically(quizFolder() / "ol\xC3\xA9.wav", "sound");
    WriteFileAtomically(quizFolder() / "caf\xC3\xA9.bmp", "picture");
    const ToolRun run =
        Tool(scratch, {"distribute", quizFile().string(), destination.string(), "--no-programs"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(ReadFileText(destination / "ol\xC3\xA9.wav"), "sound");
    EXPECT_TRUE(Contains(run.out, "copied " + (destination / "caf\xC3\xA9.bmp").string()));
}

TEST_F(CliTool, CompileAndBuildExeWriteBesideTheQuizAndInspectReadsEachKindOfFile) {
    MakeQuizWithQuestions(2);
    WriteFileAtomically(quizFolder() / "RIVERS.TIR",
                        "[R0]\r\nsource=HYPER\r\ntype=3\r\ncommand=a.wav\r\n]\r\n");
    const ToolRun compile = Tool(scratch, {"compile", quizFile().string()});
    ASSERT_EQ(compile.code, 0) << compile.err;
    const ToolRun missing = Tool(scratch, {"compile", (quizFolder() / "NONE.TIJ").string()});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(Contains(missing.err, "NONE.TIJ")) << missing.err;
    BuildExe();

    const ToolRun quiz = Tool(scratch, {"inspect", quizFile().string()});
    ASSERT_EQ(quiz.code, 0) << quiz.err;
    EXPECT_TRUE(Contains(quiz.out, "settings.settingsVersion = \"2.1\"\n")) << quiz.out;
    EXPECT_TRUE(
        Contains(quiz.out, "settings.programScreens.introScreen.textWindow.VPLeft = 120\n"));

    const ToolRun questions = Tool(scratch, {"inspect", (quizFolder() / "RIVERS.TIQ").string()});
    EXPECT_TRUE(Contains(questions.out, "questions.1.identifier = \"R1\"\n")) << questions.out;

    const ToolRun topics = Tool(scratch, {"inspect", (quizFolder() / "RIVERS.TIR").string()});
    EXPECT_TRUE(Contains(topics.out, "topics.0.lines.3 = \"command=a.wav\"\n")) << topics.out;

    const ToolRun compiled =
        Tool(scratch, {"inspect", (quizFolder() / "RIVERS.TIC").string(), "--json"});
    ASSERT_EQ(compiled.code, 0) << compiled.err;
    EXPECT_TRUE(Contains(compiled.out, "\"questionCount\": 2")) << compiled.out;

    const ToolRun executable = Tool(scratch, {"inspect", (quizFolder() / "RIVERS.EXE").string()});
    ASSERT_EQ(executable.code, 0) << executable.err;
    EXPECT_TRUE(Contains(executable.out, "stubLength = 432\n")) << executable.out;
    EXPECT_TRUE(Contains(executable.out, "compiled.directory.kind = 2\n"));
}

TEST_F(CliTool, ImportReportsEachQuestionAndExportWritesTheQuiz) {
    ASSERT_EQ(Tool(scratch, {"new", "ti", quizFolder().string(), "RIVERS"}).code, 0);
    const fs::path gift = scratch / "bank.gift";
    WriteFileAtomically(gift, std::string("::Nile::Longest river?{=Nile}\n\nPick one{=a ~b}\n"));

    const ToolRun dry = Tool(scratch, {"import", quizFile().string(), gift.string(), "--dry-run"});
    ASSERT_EQ(dry.code, 0) << dry.err;
    EXPECT_TRUE(Contains(dry.out, "line 3: not imported: only short-answer")) << dry.out;
    EXPECT_FALSE(fs::exists(quizFolder() / "RIVERS.TIQ"));

    ASSERT_EQ(Tool(scratch, {"import", quizFile().string(), gift.string()}).code, 0);
    const ToolRun again =
        Tool(scratch, {"import", quizFile().string(), gift.string(), "--format", "aiken"});
    EXPECT_EQ(again.code, 1);
    EXPECT_TRUE(Contains(again.err, "Nothing was imported")) << again.err;
    EXPECT_EQ(Tool(scratch, {"export", quizFile().string(), "out.txt"}).code, 2);

    const fs::path csv = scratch / "out.csv";
    ASSERT_EQ(Tool(scratch, {"export", quizFile().string(), csv.string(), "--format", "csv"}).code,
              0);
    EXPECT_EQ(ReadFileText(csv), "\xEF\xBB\xBFName,Question,Answer,Match 1,Match 2,Match 3,Match 4,"
                                 "Match 5,Match 6,Match 7,Match 8,Match 9,Preview,Information\r\n"
                                 "Nile,Longest river?,Nile,Nile,,,,,,,,,Nile,\r\n");
}

TEST_F(CliTool, ExportWebWritesAFolderOrAPackage) {
    MakeQuizWithQuestions(2);
    WriteFileAtomically(quizFolder() / "RIVERS.TIR",
                        "[R0]\r\nsource=HYPER\r\ntype=2\r\ncommand=caf\xE9.bmp,10\r\n]\r\n\r\n"
                        "[R1]\r\nsource=HYPER\r\ntype=4\r\ncommand=run.exe\r\n]\r\n");
    WriteFileAtomically(quizFolder() / "caf\xC3\xA9.bmp", "picture");
    const fs::path out = scratch / "web quiz";

    const ToolRun run = Tool(scratch, {"export-web", quizFile().string(), out.string()});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "copied caf\xC3\xA9.bmp to media/caf\xC3\xA9.bmp")) << run.out;
    EXPECT_EQ(ReadFileText(out / "media" / "caf\xC3\xA9.bmp"), "picture");

    const fs::path package = scratch / "rivers.zip";
    const ToolRun scorm =
        Tool(scratch, {"export-web", quizFile().string(), package.string(), "--scorm"});
    ASSERT_EQ(scorm.code, 0) << scorm.err;
    EXPECT_TRUE(fs::is_regular_file(package));
}

} // namespace
} // namespace tavrin
