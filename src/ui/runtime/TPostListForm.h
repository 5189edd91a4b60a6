#pragma once

#include "ui/runtime/QuestionListForm.h"

namespace tavrin {

// Lists the match questions after the quiz, with the incorrect-only filter.
class TPostListForm : public QuestionListForm {
    Q_OBJECT

public:
    explicit TPostListForm(RunContext& run, QWidget* parent = nullptr)
        : QuestionListForm(run, QStringLiteral("TPostListForm"), true, parent) {}
};

} // namespace tavrin
