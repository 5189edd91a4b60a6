#include "core/settings/QuizSettings.h"

#include <stdexcept>
#include <vector>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"

namespace tavrin {

std::size_t QuizSettings::feedbackOffset(int group) {
    if (group < 0 || group >= kScoreGroups)
        throw std::out_of_range("score group " + std::to_string(group));
    return 279 + static_cast<std::size_t>(group);
}

std::size_t QuizSettings::limitOffset(int group) {
    if (group < 0 || group >= kAuthorGroups)
        throw std::out_of_range("score group limit " + std::to_string(group));
    return 291 + 4 * static_cast<std::size_t>(group);
}

namespace {

void setProgramScreenDefaults(QuizSettings& settings) {
    ProgramScreens screens = settings.programScreens();
    screens.setIntroScreen(DefaultIntroScreenDesign());
    InitButtonTexts(screens);
    settings.setProgramScreens(screens);
}

void setProgramWindowDefaults(QuizSettings& settings) {
    ProgramWindow window = settings.programWindow();
    window.setBackgroundDefaults();
    settings.setProgramWindow(window);
}

void setCustomTextDefaults(QuizSettings& settings) {
    CustomTexts texts = settings.customTexts();
    InitCustomTexts(texts);
    settings.setCustomTexts(texts);
}

void setQuizScreenDefaults(QuizSettings& settings) {
    settings.setTakeAllQuestions(true);
    settings.setQuestionScreenColour(0xC0C0C0);
    settings.setTitleFont("16 0 1 Times New Roman");
    settings.setTitleBarColour(0xC0C0C0);
    settings.setUseScoreBar(true);
    settings.setScorePanelColour(0xC0C0C0);
    settings.setScorePanelTextColour(0x000000);
    settings.setScoreBarColour(0xFFFFFF);
    settings.setProgressColour(0xFF0000);
    settings.setQuestionBoxColour(0xFFFF00);
    settings.setQuestionTextColour(0x000000);
    settings.setQuestionHighlightColour(0xFF0000);
    settings.setQuestionSelectedColour(0x0000FF);
    settings.setAnswerBoxColour(0xFFFFFF);
    settings.setAnswerTextColour(0x000000);
    settings.setAnswerHighlightColour(0x0000FF);
    settings.setInputBoxColour(0xC0C0C0);
    settings.setInputTextColour(0x000000);
    settings.setPassPercentage(50);
    settings.setFailGraphColour(0x0000FF);
    settings.setPassGraphColour(0x00FF00);
    settings.setReservedColour(0xC0C0C0);
}

} // namespace

void InitQuizSettings(QuizSettings& settings, std::string_view formatVersion) {
    settings.clear();
    settings.setSettingsVersion(formatVersion);
    setProgramScreenDefaults(settings);
    setProgramWindowDefaults(settings);
    setCustomTextDefaults(settings);
    setQuizScreenDefaults(settings);
}

void SaveQuizSettings(const std::filesystem::path& quizFile, const QuizSettings& settings) {
    AtomicFileWriter writer(quizFile);
    writer.write(settings.bytes().data(), settings.bytes().size());
    writer.commit();
}

QuizSettings LoadQuizSettings(const std::filesystem::path& quizFile) {
    const std::vector<std::uint8_t> raw = ReadFileRange(quizFile, 0, QuizSettings::size);
    if (raw.size() < QuizSettings::size)
        throw FileError(quizFile, "holds " + std::to_string(raw.size()) +
                                      " bytes, too few for quiz settings (" +
                                      std::to_string(QuizSettings::size) + " bytes)");
    QuizSettings settings;
    settings.assignBytes(raw);
    return settings;
}

bool IsEarlierQuizFile(const std::filesystem::path& quizFile) {
    static constexpr std::uint8_t kEarlierVersion[] = {4, '2', '.', '0', '1'};
    const std::vector<std::uint8_t> head = ReadFileRange(quizFile, 0, sizeof kEarlierVersion);
    return head.size() == sizeof kEarlierVersion &&
           std::equal(head.begin(), head.end(), std::begin(kEarlierVersion));
}

} // namespace tavrin
