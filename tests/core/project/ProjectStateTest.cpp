#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/project/ProjectState.h"
#include "tests/core/TempFolder.h"

namespace tavrin {
namespace fs = std::filesystem;
namespace {

using Bytes = std::vector<std::uint8_t>;

class ProjectStateTest : public ::testing::Test {
protected:
    ProjectStateTest() : cwd_(fs::current_path()) {
        state = ProjectState::AtStartUp(folder.path() / "program" / "tavrin");
        state.quizKind = QuizKind::TI;
    }
    ~ProjectStateTest() override { fs::current_path(cwd_); }

    OpenResult startNew(const std::string& name) {
        return state.StartNewQuiz(folder.path() / "quiz", name, ask);
    }

    std::size_t filesIn(const fs::path& dir) {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    }

    TempFolder folder;
    ProjectState state;
    std::vector<std::string> questions;
    bool answer = true;
    AskYesNo ask = [this](const std::string& q) {
        questions.push_back(q);
        return answer;
    };

private:
    fs::path cwd_;
};

// The earlier format: version "2.01", program title at 1566.
Bytes earlierQuizFile() {
    Bytes old(2278, 0x00);
    const Bytes version = {0x04, '2', '.', '0', '1'};
    std::copy(version.begin(), version.end(), old.begin());
    const Bytes title = {0x03, 'O', 'l', 'd'};
    std::copy(title.begin(), title.end(), old.begin() + 1566);
    return old;
}

// A topic of the earlier format, whose command values were separated by blanks.
const std::string kEarlierTopics = "[Q1]\r\nHYPER\r\ntype=2\r\ncommand=PIC.BMP 50\r\n]\r\n";

TEST_F(ProjectStateTest, StartUpNamesTheProgramFolderAndItsHelpFile) {
    EXPECT_EQ(state.programFolder, folder.path() / "program");
    EXPECT_EQ(state.quizFolder, state.programFolder);
    EXPECT_EQ(state.helpFile, folder.path() / "program" / "DRAVLEN.HLP");
    EXPECT_FALSE(state.hasQuiz());
}

TEST_F(ProjectStateTest, NewQuizCreatesTheFolderAndOnlyTheQuizFile) {
    ASSERT_EQ(startNew("Capitals.txt"), OpenResult::kOpened);
    const fs::path quiz = folder.path() / "quiz";
    EXPECT_EQ(state.quizFolder, quiz);
    EXPECT_EQ(state.quizFile, quiz / "Capitals.TIJ");
    EXPECT_EQ(state.questionFile, quiz / "Capitals.TIQ");
    EXPECT_EQ(state.topicFile, quiz / "Capitals.TIR");
    EXPECT_EQ(fs::file_size(state.quizFile), 4958u);
    EXPECT_EQ(filesIn(quiz), 1u);
    EXPECT_EQ(fs::current_path(), quiz);
    EXPECT_TRUE(questions.empty());
}

TEST_F(ProjectStateTest, NewQuizOverAnExistingOneOpensItWhateverTheCase) {
    const fs::path quiz = folder.path() / "quiz";
    fs::create_directories(quiz);
    QuizSettings existing;
    InitQuizSettings(existing);
    ProgramWindow window = existing.programWindow();
    window.setProgramTitle("Kept");
    existing.setProgramWindow(window);
    SaveQuizSettings(quiz / "capitals.tij", existing);
    WriteFileAtomically(quiz / "capitals.tiq", Bytes(1367, 0));

    ASSERT_EQ(startNew("CAPITALS"), OpenResult::kOpened);
    EXPECT_EQ(state.quizFile, quiz / "capitals.tij");
    EXPECT_EQ(state.questionFile, quiz / "capitals.tiq");
    EXPECT_EQ(state.quizCaption, "Kept");
    EXPECT_EQ(filesIn(quiz), 2u);
}

TEST_F(ProjectStateTest, ConversionIsAskedForAndDecliningItLeavesTheFilesUntouched) {
    const fs::path quiz = folder.path() / "quiz";
    fs::create_directories(quiz);
    WriteFileAtomically(quiz / "OLD.TIJ", earlierQuizFile());
    WriteFileAtomically(quiz / "old.tir", kEarlierTopics);
    answer = false;
    EXPECT_EQ(state.SelectQuiz(quiz / "OLD.TIJ", ask), OpenResult::kNotOpened);
    EXPECT_EQ(questions, std::vector<std::string>{"OLD.TIJ was created with an earlier version of "
                                                  "Tavrin. Would you like to convert it to the new "
                                                  "version?"});
    EXPECT_FALSE(state.hasQuiz());
    EXPECT_TRUE(state.topicFile.empty());
    EXPECT_EQ(ReadFileBytes(quiz / "OLD.TIJ"), earlierQuizFile());
    EXPECT_EQ(ReadFileText(quiz / "old.tir"), kEarlierTopics);

    answer = true;
    ASSERT_EQ(state.SelectQuiz(quiz / "OLD.TIJ", ask), OpenResult::kOpened);
    EXPECT_EQ(fs::file_size(quiz / "OLD.TIJ"), 4958u);
    EXPECT_EQ(state.quizCaption, "Old") << "read from its new place";
    EXPECT_EQ(state.topicFile, quiz / "old.tir");
    EXPECT_NE(ReadFileText(quiz / "old.tir").find("command=PIC.BMP,50\r\n"), std::string::npos);
}

TEST_F(ProjectStateTest, ShortQuizFilesAreErrorsNamingThemAndAreKept) {
    ASSERT_EQ(startNew("Good"), OpenResult::kOpened);
    const QuizSettings goodSettings = state.settings;
    const fs::path quiz = folder.path() / "quiz";
    Bytes shortOld = earlierQuizFile();
    shortOld.resize(1000);
    WriteFileAtomically(quiz / "OLD.TIJ", shortOld);
    WriteFileAtomically(quiz / "Cut.TIJ", Bytes(4000, 0x03));
    WriteFileAtomically(quiz / "OLD.TIR", kEarlierTopics);
    for (const auto& [name, bytes] :
         {std::pair{"OLD.TIJ", shortOld}, {"Cut.TIJ", Bytes(4000, 0x03)}}) {
        try {
            state.SelectQuiz(quiz / name, ask);
            ADD_FAILURE() << name << " was opened";
        } catch (const FileError& e) {
            EXPECT_EQ(e.path(), quiz / name);
        }
        EXPECT_EQ(ReadFileBytes(quiz / name), bytes);
        EXPECT_FALSE(state.hasQuiz());
        EXPECT_EQ(state.settings, goodSettings);
    }
    EXPECT_EQ(ReadFileText(quiz / "OLD.TIR"), kEarlierTopics);
}

TEST_F(ProjectStateTest, CancelledSelectionReopensTheCurrentQuiz) {
    ASSERT_EQ(startNew("Again"), OpenResult::kOpened);
    EXPECT_EQ(state.SelectQuiz(std::nullopt, ask), OpenResult::kOpened);
    EXPECT_EQ(state.quizFile.filename(), "Again.TIJ");
    state.clearQuiz();
    EXPECT_EQ(state.SelectQuiz(std::nullopt, ask), OpenResult::kNotOpened);
}

} // namespace
} // namespace tavrin
