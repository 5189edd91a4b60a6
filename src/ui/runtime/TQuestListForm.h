#pragma once

#include "ui/runtime/QuestionListForm.h"

namespace tavrin {

// Lists the match questions before the quiz.
class TQuestListForm : public QuestionListForm {
    Q_OBJECT

public:
    explicit TQuestListForm(RunContext& run, QWidget* parent = nullptr)
        : QuestionListForm(run, QStringLiteral("TQuestListForm"), false, parent) {}
};

} // namespace tavrin
