#include "ui/present/quiz/TMCQDesignForm.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>

#include "core/settings/QuizSettings.h"
#include "ui/present/quiz/QuestionScreenDesign.h"

namespace tavrin {

TMCQDesignForm::TMCQDesignForm(Platform& platform, const QuizSettings& settings, QWidget* parent)
    : ColourDesignForm(platform, 308, QStringLiteral("TMCQDesignForm"),
                       tr("Design Question Screen"), settings, parent) {
    const CustomTexts texts = settings.customTexts();
    ScreenPnl = MakeMockScreen(this);
    QuestionBox = MakeMockBox(*ScreenPnl, QStringLiteral("QuestionBox"), texts.questionCaption());
    QuestLbl = MakeMockLine(*QuestionBox, QStringLiteral("QuestLbl"), tr("This is the Question"));
    AnswerBox = MakeMockBox(*ScreenPnl, QStringLiteral("AnswerBox"), texts.selectAnswerCaption());
    AnsLbl = MakeMockLine(*AnswerBox, QStringLiteral("AnsLbl"), tr("This is a normal Answer"));
    HiAnsLbl =
        MakeMockLine(*AnswerBox, QStringLiteral("HiAnsLbl"), tr("This is a Highlighted answer"));

    using S = QuizSettings;
    AddColour("ScreenBtn", tr("&Background Screen Color"), *ScreenPnl, Part::kBox,
              &S::questionScreenColour, &S::setQuestionScreenColour);
    AddColour("QuestBoxBtn", tr("&Question Box"), *QuestionBox, Part::kBox, &S::questionBoxColour,
              &S::setQuestionBoxColour);
    AddColour("QuestTextBtn", tr("Te&xt"), *QuestLbl, Part::kText, &S::questionTextColour,
              &S::setQuestionTextColour);
    AddColour("AnsBoxBtn", tr("&Answer Box"), *AnswerBox, Part::kBox, &S::answerBoxColour,
              &S::setAnswerBoxColour);
    AddColour("AnsTextBtn", tr("&Text"), *AnsLbl, Part::kText, &S::answerTextColour,
              &S::setAnswerTextColour);
    AddColour("AnsHiBtn", tr("&Highlight"), *HiAnsLbl, Part::kText, &S::answerHighlightColour,
              &S::setAnswerHighlightColour);
    Finish(*ScreenPnl);
}

} // namespace tavrin
