#pragma once

#include <array>

#include "core/settings/QuizSettings.h"
#include "platform/PlatformDialog.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace tavrin {

struct ProjectState;

// The feedback of each score group, a topic "GROUP n FEEDBACK" of the topic
// file written with the feedback menu. Every change is saved at once.
class TCommentsForm : public PlatformDialog {
    Q_OBJECT
public:
    static constexpr int kGroups = QuizSettings::kScoreGroups;

    TCommentsForm(Platform& platform, ProjectState& state, QWidget* parent = nullptr);

    std::array<QRadioButton*, kGroups> GroupRadios{}; // RadioButton1..11
    std::array<QLabel*, kGroups> DefinedPanels{};     // Panel1..11
    QPushButton* AddEditBtn;
    QPushButton* DeleteBtn;
    QPushButton* CloseBtn;

    void GroupRadioClick(int tag);
    void AddEditBtnClick();
    void DeleteBtnClick();

    // The chosen group as its radio button's tag (group + 1); 0 before any.
    int chosenTag() const { return chosenTag_; }

private:
    void ShowDefined(int group, bool defined);
    bool IsDefined(int group) const;

    ProjectState& state_;
    int chosenTag_ = 0;
};

void RunFeedbackDesign(Platform& platform, ProjectState& state, QWidget* parent = nullptr);

} // namespace tavrin
