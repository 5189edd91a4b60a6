#include <gtest/gtest.h>

#include "player/LearnerScript.h"

namespace tavrin {
namespace {

TEST(LearnerScriptTest, KeyedLinesFindTheirQuestionAndTheRestGoInOrder) {
    LearnerScript script = LearnerScript::parse(QStringLiteral("first\r\n"
                                                               "[city] Paris [not a key]\r\n"
                                                               "\n"
                                                               "[PEAK]Blanc\n"
                                                               "third\n"));
    EXPECT_EQ(script.answerFor("OTHER"), "first");
    EXPECT_EQ(script.answerFor("CITY"), "Paris [not a key]");
    EXPECT_EQ(script.answerFor("Peak"), "Blanc");
    // An empty line is an empty answer, kept in its place.
    EXPECT_EQ(script.answerFor("X"), "");
    EXPECT_EQ(script.answerFor("Y"), "third");
    EXPECT_EQ(script.answerFor("Z"), "") << "nothing left to answer with";
    EXPECT_EQ(script.answerFor("city"), "Paris [not a key]") << "a keyed answer is kept";

    LearnerScript unkeyed = LearnerScript::parse(QStringLiteral("[] empty key\n[open"));
    EXPECT_EQ(unkeyed.answerFor("A"), "[] empty key") << "brackets without a key are an answer";
    EXPECT_EQ(unkeyed.answerFor("B"), "[open");
}

} // namespace
} // namespace tavrin
