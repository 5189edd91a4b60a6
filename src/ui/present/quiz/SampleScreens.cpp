#include "ui/present/quiz/SampleScreens.h"

#include "platform/Platform.h"
#include "ui/present/quiz/TMCTestForm.h"
#include "ui/present/quiz/TTITestForm.h"
#include "ui/present/quiz/TTestQForm.h"

namespace tavrin {

void ShowSampleScreen(Platform& platform, QuizKind kind, const QuizSettings& settings,
                      QWidget* parent) {
    switch (kind) {
    case QuizKind::QA: {
        TTestQForm sample(platform, settings, parent);
        platform.RunModal(sample);
        return;
    }
    case QuizKind::TI: {
        TTITestForm sample(platform, settings, parent);
        platform.RunModal(sample);
        return;
    }
    case QuizKind::MC:
        break;
    }
    TMCTestForm sample(platform, settings, parent);
    platform.RunModal(sample);
}

} // namespace tavrin
