#pragma once

#include "ui/questions/EntryFormBase.h"

class QLineEdit;
class QPushButton;

namespace tavrin {

class TQARecord;

// Entry of one question and answer pair.
class TQAEntryForm : public EntryFormBase {
    Q_OBJECT
public:
    TQAEntryForm(const EntryContext& context, const TQARecord& record);

    QLineEdit* QuestEdit;
    QLineEdit* AnswerEdit;
    QPushButton* BitBtn2; // "&Save"
    QPushButton* BitBtn1; // "Cancel"

    static constexpr int kHelpContext = 141;

    // Writes the form's fields into the record.
    void StoreInto(TQARecord& record);

protected:
    bool ValidateFields() override;
};

// Shows the form on the record; true when the author saved, and only then is
// the record changed.
bool RunQAEntryForm(const EntryContext& context, TQARecord& record);

} // namespace tavrin
