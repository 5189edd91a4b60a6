#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "core/ProjectState.h"
#include "core/TQARecord.h"
#include "support/GuiTestSupport.h"

namespace tavrin::test {

// A program folder and a QA quiz "DEMO" with two questions in a scratch
// folder, removed afterwards.
class BuildQuizTest : public GuiTest {
protected:
    BuildQuizTest() {
        static int counter = 0;
        root = std::filesystem::temp_directory_path() /
               ("tavrin-build-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "program");
        state.programFolder = root / "program";
        const auto no = [](const std::string&) { return false; };
        const auto keep = [](const std::filesystem::path&) {};
        EXPECT_EQ(state.StartNewQuiz(root / "quiz", "DEMO", no, keep), OpenResult::kOpened);
        addQuestion("Q1", "Capital of France?", "Paris", false);
        addQuestion("Q2", "Two and two?", "Four", true);
    }
    ~BuildQuizTest() override {
        std::error_code ignored;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
        std::filesystem::remove_all(root, ignored);
    }

    void addQuestion(const std::string& id, const std::string& question, const std::string& answer,
                     bool information) {
        TQARecord record;
        record.setIdentifier(id);
        record.setQuestion(question);
        record.setAnswer(answer);
        record.setHasInformation(information);
        state.questions().WriteQuestion(QuestionFile::kAppend, record);
    }

    void writeFile(const std::filesystem::path& path, const std::string& text) const {
        std::ofstream out(path, std::ios::binary);
        out << text;
    }

    // A command topic of the questions' information.
    void addTopic(const std::string& name, int type, const std::string& command) const {
        std::ofstream out(state.topicFile, std::ios::binary | std::ios::app);
        out << "[" << name << "]\r\nsource=HYPER\r\ntype=" << type << "\r\ncommand=" << command
            << "\r\n]\r\n\r\n";
    }

    // Any bare ELF program serves as the runner stub.
    void installStub() const {
        std::filesystem::copy_file("/bin/true", state.programFolder / "dravlen.bin",
                                   std::filesystem::copy_options::overwrite_existing);
    }

    std::filesystem::path root;
    ProjectState state;
};

} // namespace tavrin::test
