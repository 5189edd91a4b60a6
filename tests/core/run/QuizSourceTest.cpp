#include <gtest/gtest.h>

#include <filesystem>

#include "core/build/CompiledQuizBuilder.h"
#include "core/files/FileIO.h"
#include "core/questions/QuestionFile.h"
#include "core/run/CompiledQuizSource.h"
#include "core/settings/QuizSettings.h"
#include "core/topics/TopicFile.h"
#include "tests/core/CompiledQuizFixtures.h"

namespace tavrin {
namespace {

using testing::Append;
using testing::Bytes;
namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

std::string Command(const std::string& name, int type, const std::string& value) {
    return testing::CommandTopicText(name, type, value);
}

std::string Display(const std::string& name, int type) {
    return testing::DisplayTopicText(name, type, "back.bmp", "",
                                     "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\r\n"
                                     "\\f0 Rivers \\b flow\\b0\\par\r\n}\r\n");
}

// Every kind of topic, feedback, an introduction, a topic given twice and
// lines outside any topic.
std::string EveryKindOfTopic() {
    std::string text = "stray line before the first topic\r\n";
    text += Command("C2", 2, "map.bmp,50") + Command("C3", 3, "bell.wav") +
            Command("C4", 4, "calc.exe,-x") + Command("C6", 6, "a.bmp,b.wav,20") +
            Command("C7", 7, "film.avi") + Command("C8", 8, "tune.mid") +
            Command("C9", 9, "write.exe notes.txt") + Command("C10", 10, "page.htm") +
            Command("GROUP 3 FEEDBACK", 13, "well.txt") + Display("D1", 1) + Display("D5", 5) +
            Command("TWICE", 3, "first.wav") + Command("twice", 3, "second.wav");
    text += "[^INTRODUCTION^]\r\nsource=INTRO\r\ntext=\r\n{\\rtf1 Welcome\r\n\\par}\r\n]\r\n";
    return text;
}

class QuizSources : public ::testing::Test {
protected:
    QuizSources() {
        InitQuizSettings(settings);
        settings.setTitleBarText("Geography");
        SaveQuizSettings(folder / "GEO.MCJ", settings);
        Bytes records = testing::SampleRecord(1367, "C2");
        Append(records, testing::SampleRecord(1367, "D5"));
        WriteFileAtomically(folder / "GEO.MCQ", records);
        WriteFileAtomically(folder / "GEO.MCR", EveryKindOfTopic());
        files = QuizFileSet::named(folder.path(), QuizKind::MC, "GEO.MCJ");
    }

    // A compiled quiz answers as the quiz folder's own files do.
    void ExpectLikeTheFolder(const QuizSource& compiled) const {
        EXPECT_EQ(compiled.kind(), QuizKind::MC);
        EXPECT_EQ(compiled.settings(), settings);
        EXPECT_EQ(compiled.questionRecords(),
                  QuestionFile(folder / "GEO.MCQ", QuizKind::MC).LoadAllQuestions());
        const auto topics = folder / "GEO.MCR";
        for (const char* name : {"C2", "C3", "C4", "C6", "C7", "C8", "C9", "C10",
                                 "GROUP 3 FEEDBACK", "D1", "D5", "Twice", "c2", "absent"}) {
            Lines lines;
            const bool found = FindTopic(topics, name, "HYPER", lines);
            EXPECT_EQ(compiled.findTopic(name, "HYPER"),
                      found ? std::optional(lines) : std::nullopt)
                << name;
        }
        EXPECT_EQ(compiled.findTopic("C2", "INTRO"), std::nullopt);
        Lines text;
        const bool introduced = ReadIntroduction(topics, text);
        EXPECT_EQ(compiled.introduction(), introduced ? std::optional(text) : std::nullopt);
    }

    TempFolder folder;
    QuizSettings settings;
    QuizFileSet files;
};

TEST_F(QuizSources, CompiledDataAnswersLikeTheQuizFolder) {
    const auto compiled = CompiledQuizSource::fromCompiledFile(CompileQuiz(files, settings));
    ExpectLikeTheFolder(compiled);

    EXPECT_EQ(compiled.findTopic("twice", "hyper"),
              (Lines{"twice", "source=HYPER", "type=3", "command=second.wav", "]"}));
    EXPECT_EQ(compiled.introduction(), (Lines{"{\\rtf1 Welcome", "\\par}"}));
    const auto display = compiled.findTopic("D5", "HYPER");
    ASSERT_TRUE(display);
    EXPECT_EQ(display->size(), 21u);
    EXPECT_EQ(display->back(), "]");
    EXPECT_EQ(compiled.mediaFolder(), folder.path());
}

} // namespace
} // namespace tavrin
