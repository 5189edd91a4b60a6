#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/bytes/FixedRecord.h"
#include "core/settings/CustomTexts.h"
#include "core/settings/ProgramScreens.h"
#include "core/settings/ProgramWindow.h"

namespace tavrin {

// The format version written into every quiz file this program saves.
inline constexpr std::string_view kFormatVersion = "2.1";

// The presentation settings of one quiz, stored whole as its quiz file and at
// the head of the compiled quiz. Fonts are kept as text (see FontSpec);
// colours are 0x00BBGGRR values.
class QuizSettings : public FixedRecord<4958> {
public:
    static constexpr int kScoreGroups = 11; // 0..10 by tens
    static constexpr int kAuthorGroups = 5; // 0..4 when the author sets limits
    static constexpr std::size_t kVersionCapacity = 4;
    static constexpr std::size_t kResultsFileCapacity = 80;
    static constexpr std::size_t kTitleCapacity = 60;
    static constexpr std::size_t kFontCapacity = 50;

    std::string settingsVersion() const { return stringAt(0, kVersionCapacity); }
    void setSettingsVersion(std::string_view v) { setStringAt(0, kVersionCapacity, v); }

    bool takeAllQuestions() const { return flagAt(5); }
    void setTakeAllQuestions(bool v) { setFlagAt(5, v); }
    bool allowQuestionPreview() const { return flagAt(6); }
    void setAllowQuestionPreview(bool v) { setFlagAt(6, v); }
    bool allowPostQuizReview() const { return flagAt(7); }
    void setAllowPostQuizReview(bool v) { setFlagAt(7, v); }
    bool saveResultsToDisk() const { return flagAt(8); }
    void setSaveResultsToDisk(bool v) { setFlagAt(8, v); }
    std::string resultsFileName() const { return stringAt(9, kResultsFileCapacity); }
    void setResultsFileName(std::string_view v) { setStringAt(9, kResultsFileCapacity, v); }
    bool saveResultsToPrinter() const { return flagAt(90); }
    void setSaveResultsToPrinter(bool v) { setFlagAt(90, v); }
    bool useDataSwapFile() const { return flagAt(91); }
    void setUseDataSwapFile(bool v) { setFlagAt(91, v); }

    std::uint32_t questionScreenColour() const { return u32At(92); }
    void setQuestionScreenColour(std::uint32_t v) { setU32At(92, v); }

    bool useTitleBar() const { return flagAt(96); }
    void setUseTitleBar(bool v) { setFlagAt(96, v); }
    std::string titleBarText() const { return stringAt(97, kTitleCapacity); }
    void setTitleBarText(std::string_view v) { setStringAt(97, kTitleCapacity, v); }
    std::string titleFont() const { return stringAt(158, kFontCapacity); }
    void setTitleFont(std::string_view v) { setStringAt(158, kFontCapacity, v); }
    std::uint32_t titleBarColour() const { return u32At(209); }
    void setTitleBarColour(std::uint32_t v) { setU32At(209, v); }

    bool useScoreBar() const { return flagAt(213); }
    void setUseScoreBar(bool v) { setFlagAt(213, v); }
    std::uint32_t scorePanelColour() const { return u32At(214); }
    void setScorePanelColour(std::uint32_t v) { setU32At(214, v); }
    std::uint32_t scorePanelTextColour() const { return u32At(218); }
    void setScorePanelTextColour(std::uint32_t v) { setU32At(218, v); }
    std::uint32_t scoreBarColour() const { return u32At(222); }
    void setScoreBarColour(std::uint32_t v) { setU32At(222, v); }
    // The filled part of the score bar.
    std::uint32_t progressColour() const { return u32At(226); }
    void setProgressColour(std::uint32_t v) { setU32At(226, v); }

    std::uint32_t questionBoxColour() const { return u32At(230); }
    void setQuestionBoxColour(std::uint32_t v) { setU32At(230, v); }
    std::uint32_t questionTextColour() const { return u32At(234); }
    void setQuestionTextColour(std::uint32_t v) { setU32At(234, v); }
    std::uint32_t questionHighlightColour() const { return u32At(238); }
    void setQuestionHighlightColour(std::uint32_t v) { setU32At(238, v); }
    std::uint32_t questionSelectedColour() const { return u32At(242); }
    void setQuestionSelectedColour(std::uint32_t v) { setU32At(242, v); }
    std::uint32_t answerBoxColour() const { return u32At(246); }
    void setAnswerBoxColour(std::uint32_t v) { setU32At(246, v); }
    std::uint32_t answerTextColour() const { return u32At(250); }
    void setAnswerTextColour(std::uint32_t v) { setU32At(250, v); }
    std::uint32_t answerHighlightColour() const { return u32At(254); }
    void setAnswerHighlightColour(std::uint32_t v) { setU32At(254, v); }
    std::uint32_t inputBoxColour() const { return u32At(258); }
    void setInputBoxColour(std::uint32_t v) { setU32At(258, v); }
    std::uint32_t inputTextColour() const { return u32At(262); }
    void setInputTextColour(std::uint32_t v) { setU32At(262, v); }

    std::int32_t passPercentage() const { return i32At(266); }
    void setPassPercentage(std::int32_t v) { setI32At(266, v); }
    std::uint32_t failGraphColour() const { return u32At(270); }
    void setFailGraphColour(std::uint32_t v) { setU32At(270, v); }
    std::uint32_t passGraphColour() const { return u32At(274); }
    void setPassGraphColour(std::uint32_t v) { setU32At(274, v); }

    std::uint8_t reservedByte() const { return u8At(278); }
    void setReservedByte(std::uint8_t v) { setU8At(278, v); }

    // Whether score group 0..10 has a feedback topic.
    bool groupHasFeedback(int group) const { return flagAt(feedbackOffset(group)); }
    void setGroupHasFeedback(int group, bool v) { setFlagAt(feedbackOffset(group), v); }

    bool scoreGroupsDefined() const { return flagAt(290); }
    void setScoreGroupsDefined(bool v) { setFlagAt(290, v); }
    // Upper limit in percent of the author's group 0..4.
    std::int32_t groupLimit(int group) const { return i32At(limitOffset(group)); }
    void setGroupLimit(int group, std::int32_t v) { setI32At(limitOffset(group), v); }

    std::uint32_t reservedColour() const { return u32At(311); }
    void setReservedColour(std::uint32_t v) { setU32At(311, v); }

    // The three parts below are copies; change one and set it back.
    ProgramScreens programScreens() const { return recordAt<ProgramScreens>(315); }
    void setProgramScreens(const ProgramScreens& v) { setRecordAt(315, v); }
    ProgramWindow programWindow() const { return recordAt<ProgramWindow>(3660); }
    void setProgramWindow(const ProgramWindow& v) { setRecordAt(3660, v); }
    CustomTexts customTexts() const { return recordAt<CustomTexts>(4360); }
    void setCustomTexts(const CustomTexts& v) { setRecordAt(4360, v); }

private:
    static std::size_t feedbackOffset(int group);
    static std::size_t limitOffset(int group);
};

// The settings of a new quiz: every field zero except the documented defaults.
void InitQuizSettings(QuizSettings& settings, std::string_view formatVersion = kFormatVersion);

// Rewrites the quiz file as exactly one settings record; the old file stays
// intact when the write fails. Throws FileError naming the file.
void SaveQuizSettings(const std::filesystem::path& quizFile, const QuizSettings& settings);

// Reads the settings record at the head of the quiz file. A missing,
// unreadable or short file is a FileError naming it; the caller's record is
// never half filled.
QuizSettings LoadQuizSettings(const std::filesystem::path& quizFile);

// True when the quiz file starts with the version string "2.01" of the earlier
// format. A missing or unreadable file is a FileError.
bool IsEarlierQuizFile(const std::filesystem::path& quizFile);

} // namespace tavrin
