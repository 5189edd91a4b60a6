#include "ui/present/quiz/QuestionScreenDesign.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/present/quiz/TMCQDesignForm.h"
#include "ui/present/quiz/TQuestionDesignForm.h"
#include "ui/present/quiz/TTIQDesignForm.h"
#include "ui/runtime/RunStyle.h"

namespace tavrin {

QFrame* MakeMockScreen(QWidget* parent) {
    auto* screen = new QFrame(parent);
    screen->setObjectName(QStringLiteral("ScreenPnl"));
    screen->setFrameShape(QFrame::Panel);
    screen->setMinimumSize(360, 300);
    new QVBoxLayout(screen);
    return screen;
}

QGroupBox* MakeMockBox(QFrame& screen, const QString& name, std::string_view storedCaption) {
    auto* box = new QGroupBox(BoxCaption(storedCaption), &screen);
    box->setObjectName(name);
    new QVBoxLayout(box);
    screen.layout()->addWidget(box);
    return box;
}

QLabel* MakeMockLine(QGroupBox& box, const QString& name, const QString& text) {
    auto* line = new QLabel(text, &box);
    line->setObjectName(name);
    box.layout()->addWidget(line);
    return line;
}

bool DesignQuestionScreen(Platform& platform, QuizKind kind, QuizSettings& settings,
                          QWidget* parent) {
    switch (kind) {
    case QuizKind::QA: {
        TQuestionDesignForm form(platform, settings, parent);
        return RunColourDesign(platform, form, settings);
    }
    case QuizKind::TI: {
        TTIQDesignForm form(platform, settings, parent);
        return RunColourDesign(platform, form, settings);
    }
    case QuizKind::MC:
        break;
    }
    TMCQDesignForm form(platform, settings, parent);
    return RunColourDesign(platform, form, settings);
}

} // namespace tavrin
