#pragma once

#include "ui/questions/TMEntryForm.h"

namespace tavrin {

// Entry of a "Multiple Choice" question: the correct choice and up to five
// wrong ones.
class TMCEntryForm : public TMEntryForm {
    Q_OBJECT
public:
    TMCEntryForm(const EntryContext& context, const TTMRecord& record);

    static constexpr int kHelpContext = 143;
};

} // namespace tavrin
