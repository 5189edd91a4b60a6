#include <gtest/gtest.h>

#include "core/bytes/FileError.h"
#include "core/interchange/CsvTable.h"
#include "core/interchange/InterchangeText.h"
#include "core/interchange/MoodleXmlReader.h"
#include "tests/core/interchange/InterchangeSummary.h"

namespace tavrin::interchange {
namespace {

// A sample after the format's public description: a category, each
// question type, CDATA with HTML, an embedded picture ("GIF8" in base64).
constexpr const char* kMoodleSample = R"(<?xml version="1.0" encoding="UTF-8"?>
<quiz>
  <question type="category"><category><text>$course$/Capitals</text></category></question>
  <question type="multichoice">
    <name><text>Capital</text></name>
    <questiontext format="html">
      <text><![CDATA[<p>Which is the capital of <b>France</b>?</p><img src="@@PLUGINFILE@@/map.gif">]]></text>
      <file name="map.gif" path="/" encoding="base64">R0lGOA==</file>
    </questiontext>
    <generalfeedback format="html"><text>&lt;p&gt;Paris &amp;amp; more&lt;/p&gt;</text></generalfeedback>
    <answer fraction="100"><text>Paris</text><feedback><text>Yes</text></feedback></answer>
    <answer fraction="0"><text>Lyon</text></answer>
  </question>
  <question type="truefalse">
    <name><text>TF</text></name>
    <questiontext format="moodle_auto_format"><text>The sun is a star.</text></questiontext>
    <answer fraction="100"><text>true</text></answer>
    <answer fraction="0"><text>false</text></answer>
  </question>
  <question type="shortanswer">
    <name><text>SA</text></name>
    <questiontext format="plain_text"><text>Name a &lt;colour&gt;.</text></questiontext>
    <answer fraction="100"><text>red</text></answer>
    <answer fraction="50"><text>pink</text></answer>
  </question>
  <question type="matching">
    <name><text>M</text></name>
    <questiontext format="html"><text>Match</text></questiontext>
    <subquestion format="html"><text>Canada</text><answer><text>Ottawa</text></answer></subquestion>
    <subquestion format="html"><text>Italy</text><answer><text>Rome</text></answer></subquestion>
  </question>
  <question type="numerical">
    <name><text>N</text></name>
    <questiontext format="html"><text>Born?</text></questiontext>
    <answer fraction="100"><text>1822</text><tolerance>5</tolerance></answer>
  </question>
  <question type="essay">
    <name><text>E</text></name>
    <questiontext format="html"><text>Discuss.</text></questiontext>
  </question>
</quiz>
)";

TEST(MoodleXmlReaderTest, ReadsEveryTypeAndSkipsCategories) {
    const ReadResult result = ReadMoodleXml(kMoodleSample);
    ASSERT_EQ(result.questions.size(), 6u);
    const char* expected[] = {
        "MC Capital|Which is the capital of France?|=Paris#Yes ~Lyon ####Paris & more",
        "TF TF|The sun is a star.|=True ~False ",
        "SA SA|Name a <colour>.|=red ~%50%pink ",
        "MATCH M|Match|Canada->Ottawa Italy->Rome ",
        "NUM N|Born?|=1822:5 ",
        "ESSAY E|Discuss.|",
    };
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(Summary(result.questions[i]), expected[i]);
    ASSERT_EQ(result.questions[0].media.size(), 1u);
    EXPECT_EQ(result.questions[0].media[0].name, "map.gif");
    EXPECT_EQ(result.questions[0].media[0].bytes, "GIF8");
    EXPECT_EQ(result.questions[0].where, "line 4");
    EXPECT_EQ(result.questions[5].where, "line 37");
}

TEST(MoodleXmlReaderTest, RefusesBrokenFilesAndLeavesEntityBombsInert) {
    std::string bomb = "<?xml version=\"1.0\"?>\n<!DOCTYPE quiz [\n<!ENTITY lol \"lol\">\n";
    for (int i = 1; i < 10; ++i)
        bomb += "<!ENTITY lol" + std::to_string(i) + " \"" + std::string(10, '&') +
                "\">\n"; // content irrelevant: never expanded
    bomb += "]>\n<quiz><question type=\"essay\"><questiontext><text>&lol9;</text>"
            "</questiontext></question></quiz>";
    const ReadResult result = ReadMoodleXml(bomb);
    ASSERT_EQ(result.questions.size(), 1u);
    EXPECT_EQ(result.questions[0].text, "&lol9;");

    const std::pair<const char*, const char*> broken[] = {
        {"<quiz>\n<question type=\"essay\">\n</quiz>", "line 3"},
        {"<other/>", "root element is not <quiz>"},
        {"", "not well-formed"},
    };
    for (const auto& [xml, message] : broken) {
        try {
            ReadMoodleXml(xml);
            ADD_FAILURE() << xml;
        } catch (const FormatError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
}

// Text that needs no work and text that only just needs some come out alike.
TEST(HtmlTextTest, MarkupEntitiesAndBlankRunsGoWhereverTheyStand) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"Paris", "Paris"},
        {"right 12", "right 12"},
        {"two  blanks", "two blanks"},
        {" leading", "leading"},
        {"trailing ", "trailing"},
        {"tab\there", "tab here"},
        {"line\r\nend", "line end"},
        {"Tom &amp; Jerry", "Tom & Jerry"},
        {"a<br>b", "a\nb"},
    };
    for (const auto& [html, plain] : cases)
        EXPECT_EQ(HtmlToPlain(html), plain) << html;
}

TEST(CsvReaderTest, ReadsQuotedCellsInAnyColumnOrder) {
    const ReadResult result =
        ReadCsv("answer,Question,Name,Wrong 1,Wrong 2,Match 1,Preview\r\n"
                "Paris,\"Capital of \"\"France\"\",\r\nplease\",C1,Lyon,Nice,,\r\n"
                "Washington,First president?,P,,,Washington,Pres\n"
                "4,2+2?,,,,,\n"
                "too,few\n");
    ASSERT_EQ(result.questions.size(), 4u);
    EXPECT_EQ(Summary(result.questions[0]),
              "MC C1|Capital of \"France\",\nplease|=Paris ~Lyon ~Nice ");
    EXPECT_EQ(Summary(result.questions[1]), "SA P|First president?|=Washington ");
    EXPECT_EQ(result.questions[1].displayedAnswer, "Washington");
    EXPECT_EQ(result.questions[1].previewEntry, "Pres");
    EXPECT_EQ(result.questions[2].where, "line 5");
    EXPECT_EQ(Summary(result.questions[3]), "PROBLEM it has 2 fields where the header names 7");
}

TEST(CsvReaderTest, EncodingsAndHeadersAreCheckedBeforeAnyRow) {
    std::vector<std::string> notes;
    EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBFQuestion", notes), "Question");
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(DecodeTextFile("plain, then \xC3\xA9t\xC3\xA9", notes),
              "plain, then \xC3\xA9t\xC3\xA9");
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(DecodeTextFile("Caf\xE9 \x80", notes), "Caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(notes.size(), 1u);
    const std::pair<std::string, const char*> refused[] = {
        {std::string("\xFF\xFEQ\0", 4), "UTF-16"},
        {"bad \x81 byte \xC3", "neither UTF-8 nor Windows-1252"},
    };
    for (const auto& [bytes, message] : refused) {
        try {
            DecodeTextFile(bytes, notes);
            ADD_FAILURE() << message;
        } catch (const FormatError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
    const std::pair<const char*, const char*> bad[] = {
        {"Question,Answer\n\"open,x\n", "starts on line 2 is not closed"},
        {"Question,Colour\n", "\"Colour\" is not one of them"},
        {"Name,Question\n", "at least the columns Question and Answer"},
    };
    for (const auto& [csv, message] : bad) {
        try {
            ReadCsv(csv);
            ADD_FAILURE() << csv;
        } catch (const FormatError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
}

} // namespace
} // namespace tavrin::interchange
