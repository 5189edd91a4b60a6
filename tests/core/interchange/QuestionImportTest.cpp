#include <gtest/gtest.h>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/files/TextLines.h"
#include "core/interchange/InterchangeFormat.h"
#include "core/interchange/InterchangeText.h"
#include "core/interchange/QuestionImport.h"
#include "core/interchange/QuizExport.h"
#include "core/questions/QuestionFile.h"
#include "core/rtf/RtfReader.h"
#include "core/topics/TopicDisplay.h"
#include "core/topics/TopicFile.h"
#include "tests/core/QuestionRecords.h"
#include "tests/core/TempFolder.h"

#include <pugixml.hpp>

namespace tavrin::interchange {
namespace {
namespace fs = std::filesystem;

class QuestionImportTest : public ::testing::Test {
protected:
    QuizFiles quiz(QuizKind kind, const std::string& name = "QUIZ") {
        const std::string ext = kind == QuizKind::QA ? "QA" : kind == QuizKind::TI ? "TI" : "MC";
        return QuizFiles{kind, folder.path(), folder / (name + "." + ext + "Q"),
                         folder / (name + "." + ext + "R")};
    }
    fs::path write(const std::string& name, const std::string& text) {
        WriteFileAtomically(folder / name, text);
        return folder / name;
    }
    std::string read(const fs::path& path) { return ReadFileText(path); }

    TempFolder folder;
};

constexpr const char* kPictureQuestions = R"(<quiz>
  <question type="multichoice"><name><text>Pic</text></name>
    <questiontext format="html"><text>Which?</text>
      <file name="map.gif" encoding="base64">R0lGOA==</file></questiontext>
    <answer fraction="100"><text>a</text></answer><answer fraction="0"><text>b</text></answer>
  </question>
  <question type="multichoice"><name><text>Both</text></name>
    <questiontext format="html"><text>Which?</text>
      <file name="map.gif" encoding="base64">R0lGOQ==</file></questiontext>
    <generalfeedback><text>See the map.</text></generalfeedback>
    <answer fraction="100"><text>a</text></answer><answer fraction="0"><text>b</text></answer>
  </question>
</quiz>)";

TEST_F(QuestionImportTest, ExtendsBothFilesAndNeverOverwritesAnotherPicture) {
    const QuizFiles files = quiz(QuizKind::MC);
    QuestionFile(files.questionFile, QuizKind::MC)
        .WriteQuestion(-1, MCQuestion("Pic", "Old", "x", {"y"}));
    AppendCommandTopic(files.topicFile, "GROUP 1 FEEDBACK", 13, "notes.txt", "HYPER");
    write("MAP.GIF", "other picture");
    const std::string formerTopics = read(files.topicFile);

    const ImportPlan plan =
        PlanImport(ReadQuestionsFile(write("q.xml", kPictureQuestions), {}), files);
    EXPECT_EQ(plan.reportText(), "2 questions can be imported (2 records), 0 cannot.\n"
                                 "line 2 \"Pic\": imported as Pic-2\n"
                                 "line 7 \"Both\": imported as Both\n");
    CommitImport(plan);

    const auto ids = QuestionFile(files.questionFile, QuizKind::MC).ListQuestionIds();
    EXPECT_EQ(ids, (std::vector<std::string>{"Pic", "Pic-2", "Both"}));
    EXPECT_EQ(read(folder / "MAP.GIF"), "other picture");
    EXPECT_EQ(read(folder / "map-2.gif"), "GIF8");
    EXPECT_EQ(read(folder / "map-3.gif"), "GIF9");
    EXPECT_EQ(read(files.topicFile).substr(0, formerTopics.size()), formerTopics);
    std::vector<std::string> lines;
    ASSERT_TRUE(FindTopic(files.topicFile, "Pic-2", "HYPER", lines));
    EXPECT_EQ(lines[3], "command=map-2.gif,0");
    ASSERT_TRUE(FindTopic(files.topicFile, "Both", "HYPER", lines));
    const TopicDisplay display = DecideTopicDisplay(lines, folder.path());
    EXPECT_EQ(display.kind, TopicDisplayKind::TextScreen);
    EXPECT_EQ(display.design.sGraphic(), "map-3.gif");
}

TEST_F(QuestionImportTest, AFailedWriteLeavesTheQuizAsItWas) {
    const QuizFiles files = quiz(QuizKind::QA);
    QuestionFile(files.questionFile, QuizKind::QA).WriteQuestion(-1, QAQuestion("Old", "q", "a"));
    AppendCommandTopic(files.topicFile, "Old", 2, "old.bmp,0", "HYPER");
    const std::string formerQuestions = read(files.questionFile);
    const std::string formerTopics = read(files.topicFile);
    const ImportPlan plan = PlanImport(
        ReadQuestionsFile(write("q.gift", "::New::Q?{=a ####help}\n\nEssay{}\n"), {}), files);
    EXPECT_EQ(plan.imported, 1u);
    EXPECT_EQ(plan.refused, 1u);

    SetFileFaultHook([&](std::string_view step, const fs::path& path) {
        return !(step == "rename" && path == files.questionFile);
    });
    EXPECT_THROW(CommitImport(plan), FileError);
    SetFileFaultHook(nullptr);
    EXPECT_EQ(read(files.questionFile), formerQuestions);
    EXPECT_EQ(read(files.topicFile), formerTopics);
}

TEST_F(QuestionImportTest, TooLargeFilesAreRefusedUnread) {
    const fs::path big = folder / "big.xml";
    fs::resize_file(write("big.xml", ""), kMaxFileBytes + 1);
    try {
        ReadQuestionsFile(big, {});
        FAIL();
    } catch (const FormatError& e) {
        EXPECT_NE(std::string(e.what()).find("larger than 32 MB"), std::string::npos);
    }
}

// Records of every kind go out in each format and come back the same.
TEST_F(QuestionImportTest, ExportThenImportGivesTheSameRecords) {
    TTMRecord ti =
        TIQuestion("T1", "Who was the first", {"Washington", "G. Washington"}, "Washington");
    ti.setQuestionLine(2, "president {of the} US#?");
    ti.setPreviewEntry("T1");
    TTMRecord mc = MCQuestion("M1", "Pick: ~one= \\n & <b>", "right", {"w1", "w2"});
    mc.setPreviewEntry("M1");
    mc.setHasInformation(true);
    const auto bytes = [](const auto& record) {
        return std::vector<std::uint8_t>(record.view().begin(), record.view().end());
    };
    const std::vector<std::pair<QuizKind, std::vector<std::vector<std::uint8_t>>>> quizzes = {
        {QuizKind::QA,
         {bytes(QAQuestion("Q1", "Capital -> of \"France\"?", "Paris")),
          bytes(QAQuestion("Q2", "Caf\xE9 & \x80?", "yes"))}},
        {QuizKind::TI, {bytes(ti)}},
        {QuizKind::MC, {bytes(mc)}},
    };
    for (const auto& [kind, records] : quizzes) {
        const QuizFiles source = quiz(kind, "SOURCE");
        for (const auto& record : records)
            QuestionFile(source.questionFile, kind).WriteQuestion(-1, record);
        if (kind == QuizKind::MC)
            AppendDisplayTopic(source.topicFile, "M1", 1, DefaultViewPortDesign(),
                               {"{\\rtf1 Study {\\b this}.\\par}"}, "HYPER");
        for (const Format format : {Format::Gift, Format::MoodleXml, Format::Csv}) {
            const fs::path out = folder / "exported";
            EXPECT_TRUE(ExportQuiz(source, format, out).empty()) << static_cast<int>(format);
            if (format == Format::MoodleXml) {
                pugi::xml_document document;
                EXPECT_TRUE(document.load_file(out.c_str()));
            }
            const QuizFiles target = quiz(kind, "TARGET");
            fs::remove(target.questionFile);
            fs::remove(target.topicFile);
            const ImportPlan plan = PlanImport(ReadQuestionsFile(out, format), target);
            EXPECT_EQ(plan.refused, 0u) << plan.reportText();
            CommitImport(plan);
            EXPECT_EQ(read(target.questionFile), read(source.questionFile))
                << static_cast<int>(format) << " " << static_cast<int>(kind);
            std::vector<std::string> lines;
            if (kind == QuizKind::MC) {
                ASSERT_TRUE(FindTopic(target.topicFile, "M1", "HYPER", lines));
                ViewPortDesign design;
                std::vector<std::string> text;
                ParseDisplayTopic(lines, design, text);
                EXPECT_EQ(RtfReader::Read(JoinLinesCrLf(text)).plainText(), "Study this.");
            }
        }
    }
}

} // namespace
} // namespace tavrin::interchange
