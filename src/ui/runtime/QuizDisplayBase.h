#pragma once

#include "platform/PlatformDialog.h"
#include "ui/runtime/RunContext.h"

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace tavrin {

// The frame every question display shares: title bar, the question and
// answer boxes, the score panel with its gauge and counts, the control panel
// with Quit and Next, and the quit rules. A display closes without asking
// only through Next or Continue; any other way asks the quit question first.
class QuizDisplayBase : public PlatformDialog {
    Q_OBJECT

public:
    QLabel* Panel1;
    QGroupBox* QuestionGrpBox;
    QGroupBox* AnswerGrpBox;
    QWidget* ControlPnl;
    QPushButton* NextBitBtn;
    QWidget* ScorePnl;
    QProgressBar* Gauge1;
    QLabel* TotQuestLbl;
    QLabel* ScoreLbl;
    QLabel* AnsweredLbl;
    QLabel* CorrectLbl;
    QLabel* ShowTquestlbl;
    QLabel* QDoneLbl;
    QLabel* QrightLbl;
    QPushButton* BitBtn1; // Quit

    void BitBtn1Click();
    void NextBitBtnClick();
    void ContinueClick();

    void done(int result) override;

    // The run this display belongs to, as it stands.
    const QuizRunState& runState() const { return run_.state; }

protected:
    struct Geometry {
        int scoreHeight;
        int controlHeight;
    };
    QuizDisplayBase(RunContext& run, const QString& name, Geometry geometry,
                    QWidget* parent = nullptr);

    // Captions, colours, title bar and score panel from the settings.
    void BuildFrame();
    // Gauge and counts: `done` questions answered, QuestionsCorrect right.
    void ShowScore(int done);
    // Quit gives way to Continue once the last question is answered.
    void ShowEndButtons(QPushButton* continueButton, bool last);
    QPushButton* MakeButton(const QString& name, const QString& caption, int left, int width = 97);

    // Keys reach the window before its controls; true when handled.
    virtual bool PreviewKey(int key) = 0;
    bool eventFilter(QObject* watched, QEvent* event) override;

    RunContext& run_;

private:
    void BuildScorePanel();
    bool closePermitted_ = false;
};

} // namespace tavrin
