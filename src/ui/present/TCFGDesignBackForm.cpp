#include "ui/present/TCFGDesignBackForm.h"

#include <QBoxLayout>
#include <QPushButton>

#include "platform/PlatformConversions.h"
#include "ui/present/TTBackForm.h"

namespace tavrin {
namespace {

constexpr int kHelpContext = 410;

} // namespace

TCFGDesignBackForm::TCFGDesignBackForm(Platform& platform, std::filesystem::path quizFolder,
                                       const ProgramWindow& window, QWidget* parent)
    : BackgroundDesignForm(platform, kHelpContext, std::move(quizFolder),
                           BackgroundDesign::Of(window), OnOk::kEmptyUnusedFiles, parent),
      ViewBtn(new QPushButton(tr("View"))), window_(window) {
    setObjectName(QStringLiteral("TCFGDesignBackForm"));
    ViewBtn->setObjectName(QStringLiteral("ViewBtn"));
    extraRow()->addWidget(ViewBtn);
    extraRow()->addStretch();
    connect(ViewBtn, &QPushButton::clicked, this, &TCFGDesignBackForm::ViewBtnClick);
}

ProgramWindow TCFGDesignBackForm::window() const {
    ProgramWindow window = window_;
    background().StoreIn(window);
    return window;
}

void TCFGDesignBackForm::ViewBtnClick() {
    ViewBackground(platform(), quizFolder(), background(), ShownText(window_.programTitle()), this);
}

bool DesignProgramBackground(Platform& platform, const std::filesystem::path& quizFolder,
                             ProgramWindow& window, QWidget* parent) {
    TCFGDesignBackForm form(platform, quizFolder, window, parent);
    if (platform.RunModal(form) != QDialog::Accepted) {
        return false;
    }
    window = form.window();
    return true;
}

} // namespace tavrin
