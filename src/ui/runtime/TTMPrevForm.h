#pragma once

#include "ui/runtime/QuestionListForm.h"

namespace tavrin {

// Lists the type-in and choice questions before the quiz.
class TTMPrevForm : public QuestionListForm {
    Q_OBJECT

public:
    explicit TTMPrevForm(RunContext& run, QWidget* parent = nullptr)
        : QuestionListForm(run, QStringLiteral("TTMPrevForm"), false, parent) {}
};

} // namespace tavrin
