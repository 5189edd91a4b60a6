#include "ui/hyper/THypMenuForm.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "core/topics/TopicFile.h"
#include "platform/PlatformConversions.h"
#include "ui/hyper/PickerKinds.h"

namespace tavrin {

THypMenuForm::THypMenuForm(Platform& platform, std::filesystem::path topicFile,
                           std::filesystem::path quizFolder, const std::string& topicName,
                           QWidget* parent)
    : TInfoMenuForm(platform, std::move(topicFile), std::move(quizFolder), topicName, true, parent),
      Label1(new QLabel(tr("Results Group :"), this)), Edit1(new QLineEdit(this)),
      topicName_(ShownText(topicName)) {
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(30);
    Edit1->setReadOnly(true);
    Edit1->setEnabled(false);
    Edit1->setText(topicName_);
    auto* row = new QHBoxLayout;
    row->addWidget(Label1);
    row->addWidget(Edit1);
    static_cast<QBoxLayout*>(layout())->insertLayout(0, row);
    SetCurrentTopicCaption(topicName_);
}

void THypMenuForm::LoadFeedback(const std::vector<std::string>& lines) {
    LoadTopic(lines);
    Label1->setText(tr("HyperLink Phrase"));
    GroupBox1->setTitle(tr(" Select HyperLink type "));
    Edit1->setText(topicName_);
}

bool EditGroupFeedback(Platform& platform, const std::filesystem::path& topicFile,
                       const std::filesystem::path& quizFolder, const std::string& topicName,
                       QWidget* parent) {
    THypMenuForm menu(platform, topicFile, quizFolder, topicName, parent);
    return RunMenuOnTopic(
        platform, menu, topicFile, topicName,
        [&menu](const std::vector<std::string>& lines) { menu.LoadFeedback(lines); });
}

} // namespace tavrin
