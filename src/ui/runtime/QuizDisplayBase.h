#pragma once

#include "ui/runtime/QuizScreenFrame.h"
#include "ui/runtime/RunContext.h"

namespace tavrin {

// A question screen of a run: the shared frame with the run's score and the
// quit rules. A display closes without asking only through Next or
// Continue; any other way asks the quit question first.
class QuizDisplayBase : public QuizScreenFrame {
    Q_OBJECT

public:
    void BitBtn1Click();
    void NextBitBtnClick();
    void ContinueClick();

    void done(int result) override;

    // The run this display belongs to, as it stands.
    const QuizRunState& runState() const { return run_.state; }

protected:
    QuizDisplayBase(RunContext& run, const QString& name, Geometry geometry,
                    QWidget* parent = nullptr);

    // The frame from the run's settings and question count.
    void BuildFrame();
    // Gauge and counts: `done` questions answered, QuestionsCorrect right.
    void ShowScore(int done);
    // Quit gives way to Continue once the last question is answered; Next or
    // Continue becomes the default button.
    void ShowEndButtons(QPushButton* continueButton, bool last);

    // Keys reach the window before its controls; true when handled.
    virtual bool PreviewKey(int key) = 0;
    bool eventFilter(QObject* watched, QEvent* event) override;

    RunContext& run_;

private:
    bool closePermitted_ = false;
};

} // namespace tavrin
