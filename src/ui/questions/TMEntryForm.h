#pragma once

#include "ui/questions/EntryFormBase.h"

#include <QList>

class QLineEdit;
class QPushButton;

namespace tavrin {

class TTMRecord;

// The layout that "Type an Answer" and "Multiple Choice" entry share: six
// question lines, the correct answer, a group of answer edits (nine matches or
// five wrong answers) and the preview menu entry.
class TMEntryForm : public EntryFormBase {
    Q_OBJECT
public:
    QList<QLineEdit*> qEdit; // qEdit1..qEdit6
    QLineEdit* CorrectEdit;
    QList<QLineEdit*> AEdit; // AEdit1..: matches (TI) or wrong answers (MC)
    QLineEdit* PreviewEdit;
    QPushButton* BitBtn1; // "&Save"
    QPushButton* BitBtn2; // "&Cancel"

    // Writes the form's fields into the record, answers packed.
    void StoreInto(TTMRecord& record);

    // What differs between the two kinds.
    struct Layout {
        const char* objectName;
        int helpContext;
        int laterLineLength; // lines 2..6
        const char* correctCaption;
        const char* answersCaption;
        int answerCount;
        int answerLength;
        const char* answerMissing;
    };

protected:
    TMEntryForm(const EntryContext& context, const TTMRecord& record, const Layout& layout);

    bool ValidateFields() override;

private:
    void BuildLayout();
    void Load(const TTMRecord& record);
    std::string AnswerFromRecord(const TTMRecord& record, int k) const;
    void SetAnswerInRecord(TTMRecord& record, int k, const std::string& text) const;

    Layout layout_;
};

// Shows the kind's form on the record; true when the author saved, and only
// then is the record changed.
bool RunTIEntryForm(const EntryContext& context, TTMRecord& record);
bool RunMCEntryForm(const EntryContext& context, TTMRecord& record);

} // namespace tavrin
