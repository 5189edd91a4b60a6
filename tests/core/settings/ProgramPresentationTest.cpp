#include <gtest/gtest.h>

#include "core/settings/ProgramPresentation.h"

namespace tavrin {
namespace {

using Topic = IntroductionSave::Topic;

TEST(ProgramPresentation, IntroductionTopicFollowsTheBoxTheEditorAndWhatWasStored) {
    const struct {
        bool ticked, edited, empty, stored;
        Topic topic;
        bool shown, refused;
    } cases[] = {
        {true, false, false, true, Topic::Keep, true, false},
        {true, true, false, false, Topic::Append, true, false},
        {true, true, false, true, Topic::Replace, true, false},
        {true, true, true, true, Topic::Delete, false, true}, // cleared in the editor
        {false, true, false, true, Topic::Delete, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ticked << c.edited << c.empty << c.stored);
        const IntroductionSave plan = PlanIntroductionSave(c.ticked, c.edited, c.empty, c.stored);
        EXPECT_EQ(plan.topic, c.topic);
        EXPECT_EQ(plan.showIntroduction, c.shown);
        EXPECT_EQ(plan.refusedEmpty, c.refused);
    }
}

TEST(ProgramPresentation, HelpIsKeptOnlyWithAFileAndATopicAboveZero) {
    const struct {
        const char* file;
        std::int32_t topic;
        bool kept;
    } cases[] = {{"QUIZ.HLP", 3, true}, {"QUIZ.HLP", 0, false}, {"", 3, false}};
    for (const auto& c : cases) {
        ProgramWindow window;
        window.setHelpFile(c.file);
        window.setHelpStartTopic(c.topic);
        StoreHelpChoice(window, true);
        EXPECT_EQ(window.useHelpFile(), c.kept) << c.file << c.topic;
        EXPECT_EQ(window.helpFile(), c.kept ? c.file : "") << c.file << c.topic;
    }
    EXPECT_EQ(ShownStartingTopic(0), 1);
}

} // namespace
} // namespace tavrin
