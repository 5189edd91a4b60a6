#pragma once

#include "ui/runtime/QuestionListForm.h"

namespace tavrin {

// Lists the type-in and choice questions after the quiz, with the incorrect-only filter.
class TTMPostForm : public QuestionListForm {
    Q_OBJECT

public:
    explicit TTMPostForm(RunContext& run, QWidget* parent = nullptr)
        : QuestionListForm(run, QStringLiteral("TTMPostForm"), true, parent) {}
};

} // namespace tavrin
