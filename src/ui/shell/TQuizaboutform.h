#pragma once

#include "platform/PlatformDialog.h"

class QLabel;
class QPushButton;

namespace tavrin {

class Platform;

// The authoring program's own about box.
class TQuizaboutform : public PlatformDialog {
    Q_OBJECT
public:
    TQuizaboutform(Platform& platform, const QString& programTitle, QWidget* parent = nullptr);

    QLabel* ProgramLbl;
    QLabel* VersionLbl;
    QLabel* DescriptionLbl;
    QPushButton* CloseBtn;

    static constexpr int kHelpContext = 15;
};

} // namespace tavrin
