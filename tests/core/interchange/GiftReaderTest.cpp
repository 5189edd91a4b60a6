#include <gtest/gtest.h>

#include "core/interchange/AikenReader.h"
#include "core/interchange/GiftReader.h"
#include "tests/core/interchange/InterchangeSummary.h"

namespace tavrin::interchange {
namespace {

struct GiftCase {
    const char* gift;
    const char* expected;
};

// Samples written after the format's public description, one per feature.
const GiftCase kGiftCases[] = {
    {"Who's buried in Grant's tomb?{~Grant ~Jefferson =no one}",
     "MC |Who's buried in Grant's tomb?|~Grant ~Jefferson =no one "},
    {"Grant is {~buried =entombed ~living} in Grant's tomb.",
     "MC |Grant is _____ in Grant's tomb.|~buried =entombed ~living "},
    {"Grant is buried in Grant's tomb.{FALSE#No, nobody is.}",
     "TF |Grant is buried in Grant's tomb.|~True#No, nobody is. =False "},
    {"::Q1:: Two plus two? {T}", "TF Q1|Two plus two?|=True ~False "},
    {"Who's buried in Grant's tomb?{=no one =nobody}",
     "SA |Who's buried in Grant's tomb?|=no one =nobody "},
    {"When was Ulysses S. Grant born?{#1822:5}", "NUM |When was Ulysses S. Grant born?|=1822:5 "},
    {"Between one and five?{#1..5}", "NUM |Between one and five?|=3:2 "},
    {"When was he born?{#=1822 =%50%1821:1#close}",
     "NUM |When was he born?|=1822 ~%50%1821:1#close "},
    {"Match the capitals.{=Canada -> Ottawa =Italy -> Rome}",
     "MATCH |Match the capitals.|Canada->Ottawa Italy->Rome "},
    {"What is 1\\+1\\=2 called \\{sum\\} \\~ \\# \\\\ \\: ?{=a\\=b}",
     "SA |What is 1\\+1=2 called {sum} ~ # \\ : ?|=a=b "},
    {"// a comment line\n::Name with \\:: colon::Question?{=%100%yes#Right ~%-50%no#Wrong}",
     "MC Name with :: colon|Question?|=yes#Right ~%-50%no#Wrong "},
    {"Capital of France?{=Paris ####Paris has been the capital since 987.}",
     "SA |Capital of France?|=Paris ####Paris has been the capital since 987."},
    {"[html]<p>Is <b>bold</b>&nbsp;&amp; fine?</p>{=yes}", "SA |Is bold & fine?|=yes "},
    {"[markdown]Is **this** _fine_?{=yes}", "SA |Is this _fine_?|=yes "},
    {"Line one\\nline two{=x}", "SA |Line one\nline two|=x "},
    {"Write an essay about Grant.{}", "ESSAY |Write an essay about Grant.|"},
    {"Just some text.", "DESC |Just some text.|"},
    {"Two {=a} blanks {=b}", "CLOZE |Two _____ blanks {=b}|"},
    {"Unterminated {=a ~b", "PROBLEM the brace { of the answers is not closed"},
    {"::never closed Question {=a}", "PROBLEM the question name is not closed with ::"},
    {"Not a number {#abc}", "PROBLEM \"abc\" is not a number"},
    {"Stray text {here =a}", "PROBLEM the answers in braces must each start with = or ~"},
};

TEST(GiftReaderTest, ReadsEachQuestionTypeAndFeature) {
    for (const auto& c : kGiftCases) {
        const ReadResult result = ReadGift(c.gift);
        ASSERT_EQ(result.questions.size(), 1u) << c.gift;
        EXPECT_EQ(Summary(result.questions[0]), c.expected) << c.gift;
    }
}

TEST(GiftReaderTest, SplitsAtBlankLinesSkipsCategoriesAndNamesLines) {
    const ReadResult result = ReadGift("$CATEGORY: tom/sub\n\n"
                                       "First?{=a}\r\n   \r\n"
                                       "// comment\n"
                                       "Second\nspread over lines?{\n=b\n~c\n}\n");
    ASSERT_EQ(result.questions.size(), 2u);
    EXPECT_EQ(result.questions[0].where, "line 3");
    EXPECT_EQ(result.questions[1].where, "line 6");
    EXPECT_EQ(Summary(result.questions[1]), "MC |Second\nspread over lines?|=b ~c ");
}

TEST(AikenReaderTest, ReadsChoicesAndReportsMissingAnswers) {
    const ReadResult result = ReadAiken("What is the correct answer to this question?\n"
                                        "A. Is it this one?\n"
                                        "B) Maybe this answer?\n"
                                        "C. Must be this one!\n"
                                        "ANSWER: C\n\n"
                                        "No answer line?\nA. one\nB. two\n\n"
                                        "Next question\nA. x\nANSWER: D\n");
    ASSERT_EQ(result.questions.size(), 3u);
    EXPECT_EQ(Summary(result.questions[0]),
              "MC |What is the correct answer to this question?|~Is it this one? "
              "~Maybe this answer? =Must be this one! ");
    EXPECT_EQ(Summary(result.questions[1]), "PROBLEM no ANSWER line after the choices");
    EXPECT_EQ(result.questions[1].where, "line 7");
    EXPECT_EQ(Summary(result.questions[2]),
              "PROBLEM the ANSWER line names no choice of the question");
}

} // namespace
} // namespace tavrin::interchange
