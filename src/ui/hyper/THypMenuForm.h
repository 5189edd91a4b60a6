#pragma once

#include "ui/hyper/TInfoMenuForm.h"

class QLabel;
class QLineEdit;

namespace tavrin {

// The feedback menu of a score group: the information menu plus a notes
// file, with the group's topic name shown above the options.
class THypMenuForm : public TInfoMenuForm {
    Q_OBJECT
public:
    THypMenuForm(Platform& platform, std::filesystem::path topicFile,
                 std::filesystem::path quizFolder, const std::string& topicName,
                 QWidget* parent = nullptr);

    // Opens on the stored feedback; the captions then speak of a hyperlink.
    void LoadFeedback(const std::vector<std::string>& lines);

    QLabel* Label1;
    QLineEdit* Edit1;

private:
    QString topicName_;
};

// Opens the feedback menu of a score group ("GROUP 3 FEEDBACK"); true when
// the author saved, or when the group already had feedback.
bool EditGroupFeedback(Platform& platform, const std::filesystem::path& topicFile,
                       const std::filesystem::path& quizFolder, const std::string& topicName,
                       QWidget* parent = nullptr);

} // namespace tavrin
