#pragma once

#include <filesystem>
#include <string>

#include "core/files/FileIO.h"
#include "core/project/ProjectState.h"
#include "core/questions/TQARecord.h"
#include "core/topics/TopicFile.h"
#include "support/GuiTestSupport.h"
#include "tests/core/QuestionRecords.h"
#include "tests/core/TempFolder.h"

namespace tavrin::test {

// A program folder and a QA quiz "DEMO" with two questions in a scratch
// folder, removed afterwards.
class BuildQuizTest : public GuiTest {
protected:
    BuildQuizTest() {
        state.programFolder = root / "program";
        std::filesystem::create_directories(state.programFolder);
        const auto no = [](const std::string&) { return false; };
        const auto keep = [](const std::filesystem::path&) {};
        EXPECT_EQ(state.StartNewQuiz(root / "quiz", "DEMO", no, keep), OpenResult::kOpened);
        addQuestion("Q1", "Capital of France?", "Paris", false);
        addQuestion("Q2", "Two and two?", "Four", true);
    }
    ~BuildQuizTest() override {
        // The folder cannot be removed while it is the current one.
        std::error_code ignored;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
    }

    void addQuestion(const std::string& id, const std::string& question, const std::string& answer,
                     bool information) {
        state.questions().WriteQuestion(QuestionFile::kAppend,
                                        QAQuestion(id, question, answer, information));
    }

    static void writeFile(const std::filesystem::path& path, const std::string& text) {
        WriteFileAtomically(path, text);
    }

    // A command topic of the questions' information.
    void addTopic(const std::string& name, int type, const std::string& command) const {
        AppendCommandTopic(state.topicFile, name, type, command, "HYPER");
    }

    // Any bare ELF program serves as the runner stub.
    void installStub() const {
        std::filesystem::copy_file("/bin/true", state.programFolder / "dravlen.bin",
                                   std::filesystem::copy_options::overwrite_existing);
    }

    TempFolder root;
    ProjectState state;
};

} // namespace tavrin::test
