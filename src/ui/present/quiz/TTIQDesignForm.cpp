#include "ui/present/quiz/TTIQDesignForm.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>

#include "core/settings/QuizSettings.h"
#include "ui/present/quiz/QuestionScreenDesign.h"

namespace tavrin {

TTIQDesignForm::TTIQDesignForm(Platform& platform, const QuizSettings& settings, QWidget* parent)
    : ColourDesignForm(platform, 307, QStringLiteral("TTIQDesignForm"),
                       tr("Design Question Screen"), settings, parent) {
    const CustomTexts texts = settings.customTexts();
    ScreenPnl = MakeMockScreen(this);
    QuestionBox = MakeMockBox(*ScreenPnl, QStringLiteral("QuestionBox"), texts.questionCaption());
    QuestLbl = MakeMockLine(*QuestionBox, QStringLiteral("QuestLbl"), tr("This is the Question"));
    AnswerBox = MakeMockBox(*ScreenPnl, QStringLiteral("AnswerBox"), texts.correctLabel());
    AnsLbl = MakeMockLine(*AnswerBox, QStringLiteral("AnsLbl"), tr("This is the Correct Answer"));
    InputBox = MakeMockBox(*ScreenPnl, QStringLiteral("InputBox"), texts.answerCaption());
    InputEdit = new QLineEdit(InputBox);
    InputEdit->setObjectName(QStringLiteral("InputEdit"));
    InputEdit->setEnabled(false);
    InputBox->layout()->addWidget(InputEdit);

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
    AddColour("InputBoxBtn", tr("&Input  Box"), *InputBox, Part::kBox, &S::inputBoxColour,
              &S::setInputBoxColour);
    AddColour("InputTextBtn", tr("Te&xt"), *InputBox, Part::kText, &S::inputTextColour,
              &S::setInputTextColour);
    Finish(*ScreenPnl);
}

} // namespace tavrin
