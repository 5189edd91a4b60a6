#include "cli/RecordReports.h"

#include <string>

#include "core/questions/TQARecord.h"
#include "core/questions/TTMRecord.h"

namespace tavrin::cli {
namespace {

void reportViewPort(const ViewPortDesign& design, Report& out) {
    out.colour("VPBack", design.vpBack())
        .flag("fullscreen", design.fullscreen())
        .number("displaytype", design.displaytype())
        .colour("Sbackcolor", design.sBackColor())
        .text("SGraphic", design.sGraphic())
        .text("SWallpaper", design.sWallpaper())
        .number("VPLeft", design.vpLeft())
        .number("VPTop", design.vpTop())
        .number("VPWidth", design.vpWidth())
        .number("VPHeight", design.vpHeight())
        .number("RLTop", design.rlTop())
        .number("RLLeft", design.rlLeft())
        .number("print", design.print());
}

void reportIntroduction(const IntroScreenDesign& intro, Report& out) {
    out.flag("useTitleBar", intro.useTitleBar())
        .text("titleBarText", intro.titleBarText())
        .text("titleBarFont", intro.titleBarFont())
        .colour("titleBarColour", intro.titleBarColour())
        .flag("useStatusBar", intro.useStatusBar())
        .text("statusBarText", intro.statusBarText())
        .text("statusBarFont", intro.statusBarFont())
        .colour("statusBarColour", intro.statusBarColour());
    reportViewPort(intro.textWindow(), out.object("textWindow"));
    out.flag("useMenuBar", intro.useMenuBar());
}

void reportCommand(const CommandRecord& command, Report& out) {
    out.number("commandType", command.commandType())
        .text("graphicFile", command.graphicFile())
        .text("graphicAndSoundGraphic", command.graphicAndSoundGraphic())
        .text("voiceFile", command.voiceFile())
        .text("graphicAndSoundSound", command.graphicAndSoundSound())
        .text("programCommand", command.programCommand())
        .number("displayOption", command.displayOption())
        .text("runCommand", command.runCommand());
}

void reportAboutBox(const AboutBoxDesign& about, Report& out) {
    out.number("whenToShow", about.whenToShow())
        .text("caption", about.caption())
        .flag("useIcon", about.useIcon())
        .text("iconFile", about.iconFile())
        .text("programName", about.programName())
        .text("versionLine", about.versionLine())
        .text("authorLine", about.authorLine());
    for (int line = 1; line <= AboutBoxDesign::kCommentLines; ++line)
        out.text("commentLine" + std::to_string(line), about.commentLine(line));
}

void reportProgramScreens(const ProgramScreens& screens, Report& out) {
    out.flag("showIntroduction", screens.showIntroduction());
    reportIntroduction(screens.introScreen(), out.object("introScreen"));
    out.flag("runOpeningCommand", screens.runOpeningCommand());
    reportCommand(screens.openingCommand(), out.object("openingCommand"));
    out.flag("runClosingCommand", screens.runClosingCommand());
    reportCommand(screens.closingCommand(), out.object("closingCommand"));
    out.flag("showAboutBox", screens.showAboutBox());
    reportAboutBox(screens.aboutBox(), out.object("aboutBox"));
    out.text("aboutButtonText", screens.aboutButtonText())
        .text("helpButtonText", screens.helpButtonText())
        .text("quitButtonText", screens.quitButtonText())
        .text("closeButtonText", screens.closeButtonText())
        .text("printButtonText", screens.printButtonText())
        .text("findButtonText", screens.findButtonText())
        .text("mediaInstruction", screens.mediaInstruction());
}

void reportProgramWindow(const ProgramWindow& window, Report& out) {
    out.text("programTitle", window.programTitle())
        .flag("useIcon", window.useIcon())
        .text("iconFile", window.iconFile())
        .flag("useHelpFile", window.useHelpFile())
        .text("helpFile", window.helpFile())
        .number("helpStartTopic", window.helpStartTopic())
        .flag("showVideoAdvisory", window.showVideoAdvisory())
        .number("backgroundKind", window.backgroundKind())
        .colour("backgroundColour", window.backgroundColour())
        .text("backgroundGraphic", window.backgroundGraphic())
        .text("backgroundWallpaper", window.backgroundWallpaper());
}

void reportCustomTexts(const CustomTexts& texts, Report& out) {
    out.text("resultsHeading", texts.resultsHeading())
        .text("questionsAnswered", texts.questionsAnswered())
        .text("correctAnswers", texts.correctAnswers())
        .text("reviewPrompt", texts.reviewPrompt())
        .text("questionCaption", texts.questionCaption())
        .text("answerCaption", texts.answerCaption())
        .text("informationButton", texts.informationButton())
        .text("allQuestionsChoice", texts.allQuestionsChoice())
        .text("incorrectOnlyChoice", texts.incorrectOnlyChoice())
        .text("totalQuestionsLabel", texts.totalQuestionsLabel())
        .text("questionsToTakeLabel", texts.questionsToTakeLabel())
        .text("scoreLabel", texts.scoreLabel())
        .text("answeredLabel", texts.answeredLabel())
        .text("correctLabel", texts.correctLabel())
        .text("selectQuestionCaption", texts.selectQuestionCaption())
        .text("selectAnswerCaption", texts.selectAnswerCaption())
        .text("continueButton", texts.continueButton())
        .text("quitButton", texts.quitButton())
        .text("nextButton", texts.nextButton())
        .text("quitConfirmation", texts.quitConfirmation())
        .text("previewOffer", texts.previewOffer())
        .text("reviewOffer", texts.reviewOffer());
}

} // namespace

void ReportSettings(const QuizSettings& s, Report& out) {
    out.text("settingsVersion", s.settingsVersion())
        .flag("takeAllQuestions", s.takeAllQuestions())
        .flag("allowQuestionPreview", s.allowQuestionPreview())
        .flag("allowPostQuizReview", s.allowPostQuizReview())
        .flag("saveResultsToDisk", s.saveResultsToDisk())
        .text("resultsFileName", s.resultsFileName())
        .flag("saveResultsToPrinter", s.saveResultsToPrinter())
        .flag("useDataSwapFile", s.useDataSwapFile())
        .colour("questionScreenColour", s.questionScreenColour())
        .flag("useTitleBar", s.useTitleBar())
        .text("titleBarText", s.titleBarText())
        .text("titleFont", s.titleFont())
        .colour("titleBarColour", s.titleBarColour())
        .flag("useScoreBar", s.useScoreBar())
        .colour("scorePanelColour", s.scorePanelColour())
        .colour("scorePanelTextColour", s.scorePanelTextColour())
        .colour("scoreBarColour", s.scoreBarColour())
        .colour("progressColour", s.progressColour())
        .colour("questionBoxColour", s.questionBoxColour())
        .colour("questionTextColour", s.questionTextColour())
        .colour("questionHighlightColour", s.questionHighlightColour())
        .colour("questionSelectedColour", s.questionSelectedColour())
        .colour("answerBoxColour", s.answerBoxColour())
        .colour("answerTextColour", s.answerTextColour())
        .colour("answerHighlightColour", s.answerHighlightColour())
        .colour("inputBoxColour", s.inputBoxColour())
        .colour("inputTextColour", s.inputTextColour())
        .number("passPercentage", s.passPercentage())
        .colour("failGraphColour", s.failGraphColour())
        .colour("passGraphColour", s.passGraphColour())
        .number("reservedByte", s.reservedByte());
    Report& feedback = out.list("groupHasFeedback");
    for (int group = 0; group < QuizSettings::kScoreGroups; ++group)
        feedback.flag(std::to_string(group), s.groupHasFeedback(group));
    out.flag("scoreGroupsDefined", s.scoreGroupsDefined());
    Report& limits = out.list("groupLimit");
    for (int group = 0; group < QuizSettings::kAuthorGroups; ++group)
        limits.number(std::to_string(group), s.groupLimit(group));
    out.colour("reservedColour", s.reservedColour());
    reportProgramScreens(s.programScreens(), out.object("programScreens"));
    reportProgramWindow(s.programWindow(), out.object("programWindow"));
    reportCustomTexts(s.customTexts(), out.object("customTexts"));
}

void ReportQuestion(QuizKind kind, std::span<const std::uint8_t> record, Report& out) {
    if (kind == QuizKind::QA) {
        TQARecord qa;
        qa.assignBytes(record);
        out.flag("deleted", qa.deleted())
            .text("identifier", qa.identifier())
            .text("question", qa.question())
            .text("answer", qa.answer())
            .flag("hasInformation", qa.hasInformation());
        return;
    }
    TTMRecord tm;
    tm.assignBytes(record);
    out.flag("deleted", tm.deleted()).text("identifier", tm.identifier());
    for (int line = 1; line <= 6; ++line)
        out.text("questionLine" + std::to_string(line), tm.questionLine(line));
    out.text("correctAnswer", tm.correctAnswer());
    Report& matches = out.list("matches");
    for (int k = 1; k <= 9; ++k)
        matches.text(std::to_string(k), tm.match(k));
    Report& wrong = out.list("wrongAnswers");
    for (int k = 1; k <= 5; ++k)
        wrong.text(std::to_string(k), tm.wrongAnswer(k));
    out.text("previewEntry", tm.previewEntry()).flag("hasInformation", tm.hasInformation());
}

} // namespace tavrin::cli
