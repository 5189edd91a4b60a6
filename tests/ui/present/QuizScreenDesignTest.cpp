#include <QGroupBox>
#include <QLabel>

#include "core/project/ProjectState.h"
#include "core/questions/QuestionFile.h"
#include "platform/PlatformConversions.h"
#include "support/GuiTestSupport.h"
#include "tests/core/QuestionRecords.h"
#include "tests/core/TempFolder.h"
#include "tests/ui/runtime/RunTestSupport.h"
#include "ui/present/quiz/SampleScreens.h"
#include "ui/present/quiz/TQCustForm.h"
#include "ui/runtime/ChoiceLabel.h"
#include "ui/runtime/PreviewQuiz.h"
#include "ui/runtime/ProjectQuizSource.h"
#include "ui/runtime/QuizDisplayBase.h"
#include "ui/runtime/TDispQForm.h"
#include "ui/runtime/TMCDisplayForm.h"
#include "ui/runtime/TTIDispForm.h"

namespace tavrin {
namespace {

using test::click;
using test::findChild;
using test::typeInto;

constexpr std::uint32_t kTitleColour = 0x00336699;
constexpr std::uint32_t kDesignedColour = 0x00AB12CD;

QColor WindowColour(const QWidget& widget) {
    return widget.palette().color(QPalette::Window);
}
QColor TextColour(const QWidget& widget) {
    return widget.palette().color(QPalette::WindowText);
}

// What each kind's designer changes and where the learner's screen shows it.
struct KindCase {
    QuizKind kind;
    const char* designer;
    const char* colourButton; // of the designer
    const char* textBox;      // of the custom-text dialog
    const char* display;
    const char* sample;
    // The designed colour on the sample's line or box of that state.
    QColor (*sampleColour)(const QDialog&);
    // The designed colour and the custom text as the learner's screen shows them.
    QColor (*shownColour)(const QuizDisplayBase&);
    QString (*shownText)(const QuizDisplayBase&);
};

const KindCase kKinds[] = {
    {QuizKind::QA, "TQuestionDesignForm", "QuestHiBtn", "SelectQuestionEdit", "TDispQForm",
     "TTestQForm", [](const QDialog& s) { return TextColour(*findChild<QLabel>(s, "QHiLbl")); },
     [](const QuizDisplayBase& d) {
         return TextColour(*static_cast<const TDispQForm&>(d).questionLabels[0]);
     },
     [](const QuizDisplayBase& d) { return d.QuestionGrpBox->title(); }},
    {QuizKind::TI, "TTIQDesignForm", "InputBoxBtn", "AnswerEdit", "TTIDispForm", "TTITestForm",
     [](const QDialog& s) { return WindowColour(*findChild<QGroupBox>(s, "GroupBox1")); },
     [](const QuizDisplayBase& d) {
         return WindowColour(*static_cast<const TTIDispForm&>(d).GroupBox1);
     },
     [](const QuizDisplayBase& d) {
         return static_cast<const TTIDispForm&>(d).GroupBox1->title();
     }},
    {QuizKind::MC, "TMCQDesignForm", "AnsHiBtn", "QuestionEdit", "TMCDisplayForm", "TMCTestForm",
     [](const QDialog& s) { return TextColour(*findChild<QLabel>(s, "AnsLbl2")); },
     [](const QuizDisplayBase& d) {
         return TextColour(*static_cast<const TMCDisplayForm&>(d).optionLabels[0]);
     },
     [](const QuizDisplayBase& d) { return d.QuestionGrpBox->title(); }},
};

class QuizScreenDesignTest : public test::GuiTest {
protected:
    // A fresh quiz of the kind with one question, in a folder of its own.
    void open(QuizKind kind, const std::filesystem::path& folder) {
        state = ProjectState();
        state.quizKind = kind;
        ASSERT_EQ(state.StartNewQuiz(folder, "BIRDS", [](const std::string&) { return true; }),
                  OpenResult::kOpened);
        QuestionFile questions = state.questions();
        if (kind == QuizKind::QA)
            questions.WriteQuestion(QuestionFile::kAppend, QAQuestion("Q1", "Robin", "Red"));
        else if (kind == QuizKind::TI)
            questions.WriteQuestion(QuestionFile::kAppend,
                                    TIQuestion("Q1", "Robin?", {"red"}, "Red"));
        else
            questions.WriteQuestion(QuestionFile::kAppend,
                                    MCQuestion("Q1", "Robin?", "Red", {"Blue"}));
    }

    // Through the menu: title bar colour, one designer colour, one custom
    // text; the sample is viewed once the colours are designed.
    void design(const KindCase& c) {
        platform.onDialog("TQCustForm", [](QDialog& menu) {
            click(menu, "DisplayBtn");
            click(menu, "TextBtn");
            click(menu, "CloseBtn");
        });
        platform.onDialog("TQPresentForm", [](QDialog& form) {
            click(form, "TitleCheckBox");
            click(form, "TitleBtn");
            click(form, "QuestionBtn");
            click(form, "ViewBtn");
            click(form, "SaveBtn");
        });
        platform.onDialog("TQuizTitleBarForm", [](QDialog& form) {
            typeInto(form, "Edit1", "Garden Birds");
            click(form, "ColorBtn");
            click(form, "OKBtn");
        });
        platform.expectColour(kTitleColour);
        platform.onDialog(c.designer, [&c](QDialog& form) {
            click(form, c.colourButton);
            click(form, "OKBtn");
        });
        platform.expectColour(kDesignedColour);
        platform.onDialog(c.sample, [&c](QDialog& sample) {
            EXPECT_EQ(c.sampleColour(sample), ColourFromValue(kDesignedColour));
            click(sample, "BitBtn1");
        });
        platform.onDialog("TCustomTextForm", [&c](QDialog& form) {
            typeInto(form, c.textBox, "Pick a bird");
            click(form, "SaveBtn");
        });
        RunQuizPresentation(platform, state);
    }

    ProjectState state;
};

TEST_F(QuizScreenDesignTest, DesignedColoursAndTextsReachTheLearnerAndTheSample) {
    for (const KindCase& c : kKinds) {
        SCOPED_TRACE(c.display);
        const TempFolder folder;
        open(c.kind, folder.path());
        design(c);

        platform.onDialog(c.display, [&](QDialog& dialog) {
            const auto& display = dynamic_cast<const QuizDisplayBase&>(dialog);
            EXPECT_TRUE(display.Panel1->isVisible());
            EXPECT_EQ(display.Panel1->text(), "Garden Birds");
            EXPECT_EQ(WindowColour(*display.Panel1), ColourFromValue(kTitleColour));
            EXPECT_EQ(c.shownColour(display), ColourFromValue(kDesignedColour));
            EXPECT_EQ(c.shownText(display), " Pick a bird ");
            click(dialog, "BitBtn1");
        });
        platform.expectYesNo(test::QuitText(), true);
        test::RecordingPresenter presenter;
        test::KeepOrder random;
        PreviewQuiz(platform, ProjectQuizSource(state), state.quizFile.string(), presenter, random);
    }
}

} // namespace
} // namespace tavrin
