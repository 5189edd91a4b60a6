#pragma once

#include <QString>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/files/RandomSource.h"
#include "core/questions/TQARecord.h"
#include "core/questions/TTMRecord.h"
#include "core/run/QuizSource.h"
#include "core/settings/QuizSettings.h"
#include "platform/ScriptedPlatform.h"
#include "tests/core/QuestionRecords.h"
#include "ui/runtime/TopicPresenter.h"

namespace tavrin::test {

// Draws the top of every range: every shuffle leaves its order as it was, so
// questions are asked in stored order and the correct choice is the last option.
class KeepOrder : public RandomSource {
public:
    int Uniform(int, int high) override { return high; }
};

// A quiz held in memory, with a real folder for the files a run writes.
class MemoryQuizSource : public QuizSource {
public:
    explicit MemoryQuizSource(QuizKind kind);
    ~MemoryQuizSource() override;

    QuizKind kind() const override { return kind_; }
    QuizSettings settings() const override { return settings_; }
    std::vector<std::vector<std::uint8_t>> questionRecords() const override { return records_; }
    std::optional<std::vector<std::string>> findTopic(std::string_view name,
                                                      std::string_view source) const override;
    std::optional<std::vector<std::string>> introduction() const override { return {}; }
    std::filesystem::path mediaFolder() const override { return folder_; }

    // Settings of a new quiz that asks every question and saves nothing.
    QuizSettings& editSettings() { return settings_; }
    template <typename Record> void add(const Record& record) {
        records_.emplace_back(record.view().begin(), record.view().end());
    }
    void addRaw(std::vector<std::uint8_t> bytes) { records_.push_back(std::move(bytes)); }
    void addTopic(const std::string& name, std::vector<std::string> lines) {
        topics_[name] = lines;
    }
    std::string readFile(const std::string& name) const;

private:
    QuizKind kind_;
    QuizSettings settings_;
    std::vector<std::vector<std::uint8_t>> records_;
    std::map<std::string, std::vector<std::string>> topics_;
    std::filesystem::path folder_;
};

// Records the topics the run showed; the other windows the run conductor asks
// for are its own tests' concern.
class RecordingPresenter : public TopicPresenter {
public:
    std::vector<std::string> calls;

    void ShowTopic(const std::vector<std::string>& lines) override;
    void PrepareMediaWindows(const QString&, const std::string&, bool) override {}
    void ShowMultimedia(const QString&, const std::string&) override {}
    void RunProgram(int, const std::string&) override {}
    void OpenDocument(const std::string&) override {}
    void ShowAboutBox(const AboutBoxDesign&) override {}
    void ShowIntroduction(const std::vector<std::string>&, const ProgramScreens&,
                          const ProgramWindow&) override {}
};

// The quit question as the displays ask it.
QString QuitText();

// Scripts the results window to be closed with OK.
void CloseResults(ScriptedPlatform& platform);

} // namespace tavrin::test
