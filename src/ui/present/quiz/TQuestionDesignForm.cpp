#include "ui/present/quiz/TQuestionDesignForm.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>

#include "core/settings/QuizSettings.h"
#include "ui/present/quiz/QuestionScreenDesign.h"

namespace tavrin {

TQuestionDesignForm::TQuestionDesignForm(Platform& platform, const QuizSettings& settings,
                                         QWidget* parent)
    : ColourDesignForm(platform, 306, QStringLiteral("TQuestionDesignForm"),
                       tr("Design Question Screen"), settings, parent) {
    const CustomTexts texts = settings.customTexts();
    ScreenPnl = MakeMockScreen(this);
    QuestionBox =
        MakeMockBox(*ScreenPnl, QStringLiteral("QuestionBox"), texts.selectQuestionCaption());
    QuestLbl =
        MakeMockLine(*QuestionBox, QStringLiteral("QuestLbl"), tr("This is a normal Question"));
    QHiLbl =
        MakeMockLine(*QuestionBox, QStringLiteral("QHiLbl"), tr("This is a Highlighted Question"));
    QSelLbl =
        MakeMockLine(*QuestionBox, QStringLiteral("QSelLbl"), tr("This is a Selected Question"));
    QDoneLbl =
        MakeMockLine(*QuestionBox, QStringLiteral("QDoneLbl"), tr("This is an answered Question"));
    QDoneLbl->setEnabled(false);
    AnswerBox = MakeMockBox(*ScreenPnl, QStringLiteral("AnswerBox"), texts.selectAnswerCaption());
    AnsLbl = MakeMockLine(*AnswerBox, QStringLiteral("AnsLbl"), tr("This is a normal Answer"));
    HiAnsLbl =
        MakeMockLine(*AnswerBox, QStringLiteral("HiAnsLbl"), tr("This is a Highlighted Answer"));

    using S = QuizSettings;
    AddColour("ScreenBtn", tr("&Background Screen Color"), *ScreenPnl, Part::kBox,
              &S::questionScreenColour, &S::setQuestionScreenColour);
    AddColour("QuestBoxBtn", tr("&Question Box"), *QuestionBox, Part::kBox, &S::questionBoxColour,
              &S::setQuestionBoxColour);
    AddColour("QuestTextBtn", tr("Te&xt"), *QuestLbl, Part::kText, &S::questionTextColour,
              &S::setQuestionTextColour);
    AddColour("QuestHiBtn", tr("&Highlight"), *QHiLbl, Part::kText, &S::questionHighlightColour,
              &S::setQuestionHighlightColour);
    AddColour("QuestSelBtn", tr("&Selected"), *QSelLbl, Part::kText, &S::questionSelectedColour,
              &S::setQuestionSelectedColour);
    AddColour("AnsBoxBtn", tr("&Answer Box"), *AnswerBox, Part::kBox, &S::answerBoxColour,
              &S::setAnswerBoxColour);
    AddColour("AnsTextBtn", tr("&Text"), *AnsLbl, Part::kText, &S::answerTextColour,
              &S::setAnswerTextColour);
    AddColour("AnsHiBtn", tr("Hi&ghlight"), *HiAnsLbl, Part::kText, &S::answerHighlightColour,
              &S::setAnswerHighlightColour);
    Finish(*ScreenPnl);
}

} // namespace tavrin
