#include <gtest/gtest.h>

#include "core/interchange/GiftReader.h"
#include "core/interchange/InterchangeText.h"
#include "core/interchange/QuestionMapping.h"
#include "core/questions/TQARecord.h"
#include "core/questions/TTMRecord.h"

namespace tavrin::interchange {
namespace {

// A record in one line: identifier, texts and answers, "+info" when it has
// information; or "REFUSED reason".
std::string Mapped(QuizKind kind, const std::string& gift, QuestionMapper* mapper = nullptr) {
    QuestionMapper own(kind, {"TAKEN"});
    const MappedQuestion m = (mapper ? *mapper : own).map(ReadGift(gift).questions.at(0));
    if (!m.refusal.empty())
        return "REFUSED " + m.refusal;
    std::string out;
    for (const MappedRecord& r : m.records) {
        if (kind == QuizKind::QA) {
            TQARecord qa;
            qa.assignBytes(r.bytes);
            out += qa.identifier() + "|" + qa.question() + "|" + qa.answer() +
                   (qa.hasInformation() ? "|+info" : "") + ";";
            continue;
        }
        TTMRecord tm;
        tm.assignBytes(r.bytes);
        out += tm.identifier() + "|";
        for (int l = 1; l <= 6; ++l)
            out += tm.questionLine(l).empty() ? "" : tm.questionLine(l) + "/";
        out += "|" + tm.correctAnswer() + "|";
        for (int k = 1; k <= 9; ++k)
            out += tm.match(k).empty() ? "" : "m:" + tm.match(k) + " ";
        for (int k = 1; k <= 5; ++k)
            out += tm.wrongAnswer(k).empty() ? "" : "w:" + tm.wrongAnswer(k) + " ";
        out += "|" + tm.previewEntry() + (tm.hasInformation() ? "|+info" : "");
    }
    for (const auto& note : m.notes)
        out += " NOTE " + note;
    return out;
}

struct MappingCase {
    QuizKind kind;
    std::string gift;
    std::string expected;
};

const std::string kLong91(91, 'x');

const MappingCase kCases[] = {
    // Match quiz
    {QuizKind::QA, "::Cap::Capital of France?{=Paris}", "Cap|Capital of France?|Paris;"},
    {QuizKind::QA, "::M::Match.{=Canada -> Ottawa =Italy -> Rome}",
     "M 1|Canada|Ottawa;M 2|Italy|Rome; NOTE its own text is not kept: each pair became a "
     "question"},
    {QuizKind::QA, "Match.{=Canada -> Ottawa}",
     "Canada|Canada|Ottawa; NOTE its own text is not kept: each pair became a question"},
    {QuizKind::QA, "Two answers?{=a =b}",
     "REFUSED a match quiz pairs each question with exactly one right answer"},
    {QuizKind::QA, "Pick{=a ~b}", "REFUSED choice questions do not fit a match quiz"},
    {QuizKind::QA, "::taken::Q?{=a ####Some help}", "taken-2|Q?|a|+info;"},
    {QuizKind::QA, kLong91 + "{=a}", "REFUSED the question is longer than 90 characters"},
    // Type-an-answer quiz
    {QuizKind::TI, "::P::First president?{=Washington =George Washington}",
     "P|First president?/|Washington|m:Washington m:George Washington |P"},
    {QuizKind::TI, "Year?{#1822}", "Year?|Year?/|1822|m:1822 |Year?"},
    {QuizKind::TI, "Year?{#1822:2}",
     "REFUSED the answer 1822 has a tolerance of 2; only exact numbers can be matched"},
    {QuizKind::TI, "Q?{=abcdefghijklmnopqrstu}",
     "REFUSED the answer \"abcdefghijklmnopqrstu\" is longer than 20 characters"},
    {QuizKind::TI, "Q?{=a =%50%b}", "REFUSED it gives partial or no credit for some answers"},
    {QuizKind::TI, "Q?{=1 =2 =3 =4 =5 =6 =7 =8 =9 =10}",
     "REFUSED it accepts more than nine answers"},
    {QuizKind::TI, "The {=blank} word.",
     "The _____ word.|The _____ word./|blank|m:blank |The _____ word."},
    {QuizKind::TI, "Q \xE4\xB8\xAD?{=a}",
     "REFUSED the question holds the character U+4E2D, which has no Windows-1252 form"},
    {QuizKind::TI, "Essay?{}", "REFUSED essay questions have no answer to check"},
    {QuizKind::TI, "Two {=a} blanks {=b}",
     "REFUSED questions with embedded answers (Cloze) cannot be imported"},
    // Multiple-choice quiz
    {QuizKind::MC, "::C::Pick{=right ~w1 ~w2#no}",
     "C|Pick/|right|w:w1 w:w2 |C NOTE the feedback of its answers is not kept"},
    {QuizKind::MC, "::T::Sun is a star{T}", "T|Sun is a star/|True|w:False |T"},
    {QuizKind::MC, "Pick{=a =b ~c}", "REFUSED it has several right answers"},
    {QuizKind::MC, "Pick{=a ~%50%b}", "REFUSED it gives partial credit"},
    {QuizKind::MC, "Pick{=a ~1 ~2 ~3 ~4 ~5 ~6}", "REFUSED it has more than five wrong answers"},
    {QuizKind::MC, "Pick{=a}",
     "REFUSED only multiple-choice and true/false questions fit a multiple-choice quiz"},
    {QuizKind::MC, "Just text", "REFUSED it is a description, not a question"},
};

TEST(QuestionMappingTest, MapsOrRefusesWithTheReason) {
    for (const auto& c : kCases)
        EXPECT_EQ(Mapped(c.kind, c.gift), c.expected) << c.gift;
}

TEST(QuestionMappingTest, LongTextWrapsIntoSixLinesOrIsRefused) {
    const std::string word9 = "abcdefgh ";
    std::string fits;
    for (int i = 0; i < 50; ++i)
        fits += word9; // 450 characters: five lines of 81 and a sixth
    const auto lines = SplitQuestionLines(std::string(Trim(fits)), 90, 80);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->size(), 6u);
    EXPECT_EQ((*lines)[0].size(), 89u);
    EXPECT_LE((*lines)[1].size(), 80u);
    EXPECT_FALSE(SplitQuestionLines(fits + fits, 90, 80));
    EXPECT_FALSE(SplitQuestionLines(std::string(91, 'x'), 90, 80));
    EXPECT_EQ(SplitQuestionLines("a\n\nb", 90, 80), (std::vector<std::string>{"a", "", "b"}));
}

TEST(QuestionMappingTest, IdentifiersAreCutAndMadeUniqueWithoutRegardToCase) {
    QuestionMapper mapper(QuizKind::QA, {});
    const std::string name = "::" + std::string(40, 'n') + "::Q?{=a}";
    EXPECT_EQ(Mapped(QuizKind::QA, name, &mapper).substr(0, 31), std::string(30, 'n') + "|");
    EXPECT_EQ(Mapped(QuizKind::QA, name, &mapper).substr(0, 31), std::string(28, 'n') + "-2|");
    EXPECT_EQ(Mapped(QuizKind::QA, "::q1::Q?{=a}", &mapper), "q1|Q?|a;");
    EXPECT_EQ(Mapped(QuizKind::QA, "::Q1::Q?{=a}", &mapper), "Q1-2|Q?|a;");
    EXPECT_EQ(Mapped(QuizKind::QA, "::Q1::Q?{=a =b}", &mapper).substr(0, 7), "REFUSED");
    EXPECT_EQ(Mapped(QuizKind::QA, "::Q1::Q?{=a}", &mapper), "Q1-3|Q?|a;");
}

} // namespace
} // namespace tavrin::interchange
