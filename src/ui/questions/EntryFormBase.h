#pragma once

#include "ui/questions/EntryContext.h"

#include "platform/PlatformDialog.h"
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrin {

// What the three question entry forms share: the identifier and its
// uniqueness, the information tick with its Add/Edit and Delete buttons, and
// the clean-up of information attached to a question that is not saved.
class EntryFormBase : public PlatformDialog {
    Q_OBJECT
public:
    QLineEdit* QuestID;
    QLabel* Panel1;
    QPushButton* Button1;
    QPushButton* Button2;

    const std::string& openingId() const { return openingId_; }
    const std::string& currentId() const { return currentId_; }
    bool hasInformation() const { return hasInformation_; }
    bool infoAddedHere() const { return infoAddedHere_; }

    void QuestIDExit();
    void Button1Click();
    void Button2Click();
    // The save button: validates, and closes with OK when all is well.
    void SaveClick();

    void done(int result) override;

protected:
    EntryFormBase(const EntryContext& context, int helpContext);

    // Fills the identifier and the information state from the record's values.
    void LoadCommon(const std::string& identifier, bool hasInformation);
    // The form's own checks after the identifier; false after reporting one.
    virtual bool ValidateFields() = 0;
    // Reports a failed check and puts the focus on the field at fault.
    bool Refuse(const char* message, QWidget* field);
    // After a save: removes the topic of information that the author deleted.
    void ApplyInformationOnSave();
    // The stored form of an edit's text.
    static std::string Stored(const QLineEdit* edit);
    static bool IsBlank(const QLineEdit* edit);

    bool eventFilter(QObject* watched, QEvent* event) override;

    const EntryContext& context() const { return context_; }

private:
    void ShowTick(bool shown);

    EntryContext context_;
    std::string openingId_;
    std::string currentId_;
    bool hasInformation_ = false;
    bool openedWithInformation_ = false;
    bool infoAddedHere_ = false;
    bool checkingIdentifier_ = false;
};

} // namespace tavrin
