#pragma once

#include "platform/PlatformDialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tavrin {

// Shows what an import would do, question by question, and lets the author
// go on ("&Import", result OK) or leave the quiz as it is ("Cancel").
class TImportReportForm : public PlatformDialog {
    Q_OBJECT
public:
    TImportReportForm(Platform& platform, const QString& report, bool canImport,
                      QWidget* parent = nullptr);

    QLabel* Label1;
    QPlainTextEdit* ReportMemo;
    QPushButton* ImportBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;
};

} // namespace tavrin
