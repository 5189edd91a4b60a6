#include "core/web/WebQuizData.h"

#include <map>

#include "core/bytes/Cp1252.h"
#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/files/FolderNames.h"
#include "core/files/TextLines.h"
#include "core/questions/TQARecord.h"
#include "core/questions/TTMRecord.h"
#include "core/rtf/RtfReader.h"
#include "core/settings/CommandRecord.h"
#include "core/web/RtfToHtml.h"

namespace tavrin {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kQuestionSource = "HYPER";

constexpr const char* kCustomTextKeys[CustomTexts::kCount] = {
    "resultsHeading",      "questionsAnswered",    "correctAnswers",
    "reviewPrompt",        "questionCaption",      "answerCaption",
    "informationButton",   "allQuestionsChoice",   "incorrectOnlyChoice",
    "totalQuestionsLabel", "questionsToTakeLabel", "scoreLabel",
    "answeredLabel",       "correctLabel",         "selectQuestionCaption",
    "selectAnswerCaption", "continueButton",       "quitButton",
    "nextButton",          "quitConfirmation",     "previewOffer",
    "reviewOffer",
};

std::string utf8(std::string_view stored) {
    return cp1252::toUtf8(stored);
}

std::string programRefusal(const std::string& program) {
    return "This information starts a program, which cannot run in a browser: " + program;
}

// A part of a multimedia command as the author spelled it (the split gives it
// upper-cased), so exported names keep their case.
std::string spelledAsStored(const std::string& command, const std::string& upperPart) {
    if (upperPart.empty())
        return upperPart;
    const auto pos = UpperAscii(command).find(upperPart);
    return pos == std::string::npos ? upperPart : command.substr(pos, upperPart.size());
}

std::string joined(const std::vector<std::string>& reasons) {
    std::string text;
    for (const auto& reason : reasons)
        text += (text.empty() ? "" : " ") + reason;
    return text;
}

} // namespace

WebQuizData::WebQuizData(const CompiledQuiz& quiz, fs::path quizFolder, MediaFolder& media,
                         std::vector<std::string>& report, JsonSink sink)
    : quiz_(quiz), quizFolder_(std::move(quizFolder)), media_(media), report_(report),
      json_(std::move(sink)) {
    settings_.assignBytes(quiz.settingsBytes());
}

void WebQuizData::write(std::string_view quizName, const ExportProgress& progress) {
    json_.beginObject()
        .field("format", 1)
        .field("kind", static_cast<int>(quiz_.kind()))
        .field("quizName", utf8(quizName));
    json_.key("settings");
    writeSettings();
    writeRecords();
    writeTopics(progress);
    writeIntroduction();
    json_.endObject();
    json_.flush();
}

std::string WebQuizData::placed(const std::string& stored, std::vector<std::string>* refusals) {
    const MediaPlacement placement = media_.place(stored);
    if (!placement.refusal.empty() && refusals)
        refusals->push_back(placement.refusal);
    return placement.name;
}

void WebQuizData::writeSettings() {
    const QuizSettings& s = settings_;
    json_.beginObject()
        .field("takeAllQuestions", s.takeAllQuestions())
        .field("allowQuestionPreview", s.allowQuestionPreview())
        .field("allowPostQuizReview", s.allowPostQuizReview())
        .field("saveResultsToDisk", s.saveResultsToDisk())
        .field("resultsFileName", utf8(s.resultsFileName()))
        .field("saveResultsToPrinter", s.saveResultsToPrinter())
        .field("useDataSwapFile", s.useDataSwapFile())
        .field("questionScreenColour", s.questionScreenColour())
        .field("useTitleBar", s.useTitleBar())
        .field("titleBarText", utf8(s.titleBarText()))
        .field("titleFont", utf8(s.titleFont()))
        .field("titleBarColour", s.titleBarColour())
        .field("useScoreBar", s.useScoreBar())
        .field("scorePanelColour", s.scorePanelColour())
        .field("scorePanelTextColour", s.scorePanelTextColour())
        .field("scoreBarColour", s.scoreBarColour())
        .field("progressColour", s.progressColour())
        .field("questionBoxColour", s.questionBoxColour())
        .field("questionTextColour", s.questionTextColour())
        .field("questionHighlightColour", s.questionHighlightColour())
        .field("questionSelectedColour", s.questionSelectedColour())
        .field("answerBoxColour", s.answerBoxColour())
        .field("answerTextColour", s.answerTextColour())
        .field("answerHighlightColour", s.answerHighlightColour())
        .field("inputBoxColour", s.inputBoxColour())
        .field("inputTextColour", s.inputTextColour())
        .field("passPercentage", static_cast<std::int64_t>(s.passPercentage()))
        .field("failGraphColour", s.failGraphColour())
        .field("passGraphColour", s.passGraphColour());
    json_.key("groupHasFeedback").beginArray();
    for (int g = 0; g < QuizSettings::kScoreGroups; ++g)
        json_.value(s.groupHasFeedback(g));
    json_.endArray().field("scoreGroupsDefined", s.scoreGroupsDefined());
    json_.key("groupLimits").beginArray();
    for (int g = 0; g < QuizSettings::kAuthorGroups; ++g)
        json_.value(static_cast<std::int64_t>(s.groupLimit(g)));
    json_.endArray();
    writeProgramSettings();
    writeCustomTexts();
    json_.endObject();
}

void WebQuizData::writeProgramSettings() {
    const ProgramWindow window = settings_.programWindow();
    const std::int32_t background = window.backgroundKind();
    json_.field("programTitle", utf8(window.programTitle()))
        .field("showVideoAdvisory", window.showVideoAdvisory())
        .field("backgroundKind", static_cast<std::int64_t>(background))
        .field("backgroundColour", window.backgroundColour())
        .field("backgroundGraphic",
               background == ViewPortDesign::kGraphic ? placed(window.backgroundGraphic()) : "")
        .field("backgroundWallpaper", background == ViewPortDesign::kWallpaper
                                          ? placed(window.backgroundWallpaper())
                                          : "");
    const ProgramScreens screens = settings_.programScreens();
    json_.field("showIntroduction", screens.showIntroduction())
        .field("showAboutBox", screens.showAboutBox());
    writeAboutBox();
    json_.field("aboutButtonText", utf8(screens.aboutButtonText()))
        .field("helpButtonText", utf8(screens.helpButtonText()))
        .field("quitButtonText", utf8(screens.quitButtonText()))
        .field("closeButtonText", utf8(screens.closeButtonText()))
        .field("printButtonText", utf8(screens.printButtonText()))
        .field("findButtonText", utf8(screens.findButtonText()))
        .field("mediaInstruction", utf8(screens.mediaInstruction()));
    json_.field("runOpeningCommand", screens.runOpeningCommand());
    writeCommand("opening", screens.runOpeningCommand(), screens.openingCommand());
    json_.field("runClosingCommand", screens.runClosingCommand());
    writeCommand("closing", screens.runClosingCommand(), screens.closingCommand());
}

void WebQuizData::writeAboutBox() {
    const ProgramScreens screens = settings_.programScreens();
    const AboutBoxDesign about = screens.aboutBox();
    const bool icon = screens.showAboutBox() && about.useIcon();
    json_.key("aboutBox")
        .beginObject()
        .field("whenToShow", static_cast<int>(about.whenToShow()))
        .field("caption", utf8(about.caption()))
        .field("iconFile", icon ? placed(about.iconFile()) : "")
        .field("programName", utf8(about.programName()))
        .field("versionLine", utf8(about.versionLine()))
        .field("authorLine", utf8(about.authorLine()));
    json_.key("commentLines").beginArray();
    for (int line = 1; line <= AboutBoxDesign::kCommentLines; ++line)
        json_.value(utf8(about.commentLine(line)));
    json_.endArray().endObject();
}

void WebQuizData::writeCommand(std::string_view which, bool run, const CommandRecord& command) {
    json_.key(std::string(which) + "Command");
    if (!run) {
        json_.null();
        return;
    }
    const int type = command.shownCommandType();
    std::vector<std::string> refusals;
    json_.beginObject().field("linkType", type).field("caption", "");
    switch (type) {
    case 2:
        writeMedia(command.graphicFile(), "", "", 0, refusals);
        break;
    case 3:
        writeMedia("", command.voiceFile(), "", 0, refusals);
        break;
    case 6:
        writeMedia(command.graphicAndSoundGraphic(), command.graphicAndSoundSound(), "", 0,
                   refusals);
        break;
    default:
        refusals.push_back(programRefusal(utf8(command.programCommand())));
        report_.push_back("left out the " + std::string(which) +
                          " program: it cannot run in a browser");
    }
    if (!refusals.empty())
        json_.field("unsupported", joined(refusals));
    json_.endObject();
}

void WebQuizData::writeCustomTexts() {
    const CustomTexts texts = settings_.customTexts();
    json_.key("customTexts").beginObject();
    for (int i = 0; i < CustomTexts::kCount; ++i)
        json_.field(kCustomTextKeys[i], utf8(texts.text(static_cast<CustomTexts::CustomText>(i))));
    json_.endObject();
}

void WebQuizData::writeRecords() {
    json_.key("records").beginArray();
    for (std::size_t i = 0; i < quiz_.questionCount(); ++i) {
        if (quiz_.kind() == QuizKind::QA)
            writeQARecord(i);
        else
            writeTTMRecord(i);
    }
    json_.endArray();
}

void WebQuizData::writeQARecord(std::size_t index) {
    TQARecord record;
    record.assignBytes(quiz_.questionRecord(index));
    json_.beginObject()
        .field("identifier", utf8(record.identifier()))
        .field("question", utf8(record.question()))
        .field("answer", utf8(record.answer()))
        .field("hasInformation", record.hasInformation())
        .endObject();
}

void WebQuizData::writeTTMRecord(std::size_t index) {
    TTMRecord record;
    record.assignBytes(quiz_.questionRecord(index));
    json_.beginObject().field("identifier", utf8(record.identifier()));
    json_.key("questionLines").beginArray();
    for (int line = 1; line <= TTMRecord::kQuestionLines; ++line)
        json_.value(utf8(record.questionLine(line)));
    json_.endArray().field("correctAnswer", utf8(record.correctAnswer()));
    json_.key("matches").beginArray();
    for (int k = 1; k <= TTMRecord::kMatches; ++k)
        json_.value(utf8(record.match(k)));
    json_.endArray().key("wrongAnswers").beginArray();
    for (int k = 1; k <= TTMRecord::kWrongAnswers; ++k)
        json_.value(utf8(record.wrongAnswer(k)));
    json_.endArray()
        .field("previewEntry", utf8(record.previewEntry()))
        .field("hasInformation", record.hasInformation())
        .endObject();
}

void WebQuizData::writeTopics(const ExportProgress& progress) {
    json_.key("topics").beginObject();
    const TopicIndex* topics = quiz_.topics();
    if (!topics) {
        json_.endObject();
        return;
    }
    // A name given twice stands for its last topic, as the run-time finds it.
    std::map<std::string, std::size_t> lastOfName;
    std::vector<std::string> order;
    for (std::size_t i = 0; i < topics->size(); ++i) {
        if (!EqualNoCase(topics->topicSource(i), kQuestionSource))
            continue;
        std::string key = UpperAscii(topics->topicName(i));
        if (lastOfName.insert_or_assign(key, i).second)
            order.push_back(std::move(key));
    }
    for (std::size_t done = 0; done < order.size(); ++done) {
        json_.key(utf8(order[done]));
        writeTopic(topics->topicLines(lastOfName.at(order[done])));
        if (progress)
            progress(done + 1, order.size());
    }
    json_.endObject();
}

void WebQuizData::writeTopic(const std::vector<std::string>& lines) {
    TopicDisplay display;
    try {
        display = DecideTopicDisplay(lines, quizFolder_);
    } catch (const FormatError& error) {
        report_.push_back("left out the information of " + utf8(lines.at(0)) + ": " + error.what());
        json_.beginObject()
            .field("linkType", 0)
            .field("caption", utf8(lines.at(0)))
            .field("unsupported", "This information could not be read.")
            .endObject();
        return;
    }
    std::vector<std::string> refusals;
    json_.beginObject()
        .field("linkType", static_cast<std::int64_t>(display.linkType))
        .field("caption", utf8(display.caption));
    writeTopicContent(display, refusals);
    if (!refusals.empty())
        json_.field("unsupported", joined(refusals));
    json_.endObject();
}

void WebQuizData::writeTopicContent(const TopicDisplay& display,
                                    std::vector<std::string>& refusals) {
    switch (display.kind) {
    case TopicDisplayKind::FormattedText:
    case TopicDisplayKind::TextScreen:
        json_.field("html", RtfToHtml::ConvertSource(JoinLinesCrLf(display.textLines)));
        writeDesign(display.design);
        break;
    case TopicDisplayKind::Multimedia: {
        // A lone file of a sound, video or MIDI topic counts whatever its
        // extension, so a .MPG video or a .RMI tune is not lost.
        MultimediaCommand media = display.media;
        for (std::string* part : {&media.picture, &media.sound, &media.video})
            *part = spelledAsStored(display.command, *part);
        const bool lone = media.picture.empty() && media.sound.empty() && media.video.empty();
        if (lone && display.linkType == 7)
            media.video = display.command;
        else if (lone && (display.linkType == 3 || display.linkType == 8))
            media.sound = display.command;
        writeMedia(media.picture, media.sound, media.video, media.displayMilliseconds, refusals);
        break;
    }
    case TopicDisplayKind::RunProgram:
        refusals.push_back(programRefusal(display.program.program));
        report_.push_back("left out the program of " + utf8(display.caption) +
                          ": it cannot run in a browser");
        break;
    case TopicDisplayKind::OpenDocument:
        refusals.push_back("This information opens a document, which the web quiz cannot show: " +
                           utf8(display.command));
        report_.push_back("left out the document of " + utf8(display.caption));
        break;
    case TopicDisplayKind::NotesViewer:
        writeNotesText(display.command, refusals);
        break;
    case TopicDisplayKind::Nothing:
        break;
    }
}

void WebQuizData::writeMedia(std::string picture, std::string sound, std::string video,
                             std::int64_t displayMilliseconds, std::vector<std::string>& refusals) {
    json_.key("media")
        .beginObject()
        .field("picture", placed(picture, &refusals))
        .field("sound", placed(sound, &refusals))
        .field("video", placed(video, &refusals))
        .field("displayMilliseconds", displayMilliseconds)
        .endObject();
}

void WebQuizData::writeNotesText(const std::string& file, std::vector<std::string>& refusals) {
    const auto path = ResolveStoredFile(quizFolder_, file);
    if (!path) {
        refusals.push_back("The file " + utf8(file) + " is missing.");
        report_.push_back("refused " + utf8(file) + ": missing");
        return;
    }
    json_.field("text", RtfReader::ReadPlainText(ReadFileText(*path)).plainText());
    report_.push_back("included the text of " + utf8(file));
}

void WebQuizData::writeIntroduction() {
    json_.key("introduction");
    std::vector<std::string> lines;
    const TopicIndex* topics = quiz_.topics();
    const ProgramScreens screens = settings_.programScreens();
    if (!screens.showIntroduction() || !topics || !topics->readIntroduction(lines)) {
        json_.null();
        return;
    }
    const IntroScreenDesign intro = screens.introScreen();
    json_.beginObject()
        .field("useTitleBar", intro.useTitleBar())
        .field("titleBarText", utf8(intro.titleBarText()))
        .field("titleBarFont", utf8(intro.titleBarFont()))
        .field("titleBarColour", intro.titleBarColour())
        .field("useStatusBar", intro.useStatusBar())
        .field("statusBarText", utf8(intro.statusBarText()))
        .field("statusBarFont", utf8(intro.statusBarFont()))
        .field("statusBarColour", intro.statusBarColour())
        .field("useMenuBar", intro.useMenuBar());
    writeDesign(intro.textWindow());
    json_.field("html", RtfToHtml::ConvertSource(JoinLinesCrLf(lines))).endObject();
}

void WebQuizData::writeDesign(const ViewPortDesign& design) {
    const std::int32_t kind = design.displaytype();
    json_.key("design")
        .beginObject()
        .field("vpBack", design.vpBack())
        .field("fullscreen", design.fullscreen())
        .field("displaytype", static_cast<std::int64_t>(kind))
        .field("sBackColor", design.sBackColor())
        .field("sGraphic", kind == ViewPortDesign::kGraphic ? placed(design.sGraphic()) : "")
        .field("sWallpaper", kind == ViewPortDesign::kWallpaper ? placed(design.sWallpaper()) : "")
        .field("vpLeft", static_cast<std::int64_t>(design.vpLeft()))
        .field("vpTop", static_cast<std::int64_t>(design.vpTop()))
        .field("vpWidth", static_cast<std::int64_t>(design.vpWidth()))
        .field("vpHeight", static_cast<std::int64_t>(design.vpHeight()))
        .endObject();
}

} // namespace tavrin
