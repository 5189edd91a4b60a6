#include "ui/runtime/TopicPresenter.h"

#include "platform/Platform.h"

namespace tavrin {

QString PendingTopicPresenter::NotAvailableText() {
    return QStringLiteral("This function is not available yet.");
}

void PendingTopicPresenter::tell() {
    platform_.ShowInfo(NotAvailableText());
}

void PendingTopicPresenter::ShowTopic(const std::vector<std::string>&) {
    tell();
}

void PendingTopicPresenter::ShowMultimedia(const QString&, const std::string&) {
    tell();
}

void PendingTopicPresenter::RunProgram(int, const std::string&) {
    tell();
}

void PendingTopicPresenter::OpenDocument(const std::string&) {
    tell();
}

void PendingTopicPresenter::ShowAboutBox(const AboutBoxDesign&) {
    tell();
}

void PendingTopicPresenter::ShowIntroduction(const std::vector<std::string>&, const ProgramScreens&,
                                             const ProgramWindow&) {
    tell();
}

} // namespace tavrin
