#pragma once

#include "ui/questions/TMEntryForm.h"

namespace tavrin {

// Entry of a "Type an Answer" question: accepted answers are the matches.
class TTIEntryForm : public TMEntryForm {
    Q_OBJECT
public:
    TTIEntryForm(const EntryContext& context, const TTMRecord& record);

    static constexpr int kHelpContext = 142;
};

} // namespace tavrin
