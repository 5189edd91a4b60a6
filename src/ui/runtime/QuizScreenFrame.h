#pragma once

#include <array>

#include "platform/PlatformDialog.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QWidget;

namespace tavrin {

class QuizSettings;

// The frame of every question screen, the learner's and the author's
// samples alike: title bar, question and answer boxes, the score panel with
// its gauge and counts, and the control panel with Quit and Next, placed
// and painted from the settings. Sharing it keeps a sample from drifting
// from what the learner sees.
class QuizScreenFrame : public PlatformDialog {
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

    // The heights of the score and control panels of each screen.
    struct Geometry {
        int scoreHeight;
        int controlHeight;
    };
    static constexpr Geometry kMatchScreen{36, 25};
    static constexpr Geometry kLineScreen{47, 34};
    // Where Next stands on the TI and MC screens.
    static constexpr int kTypingNextLeft = 392;
    static constexpr int kChoiceNextLeft = 395;

protected:
    QuizScreenFrame(Platform& platform, int helpContext, const QString& name, Geometry geometry,
                    QWidget* parent);

    // Caption, colours, texts, title bar and score panel from the settings.
    void BuildFrame(const QuizSettings& settings, int questionsToTake);
    // Each box in its colour, its lines in the box's text colour.
    void PaintQuestionBox(const QuizSettings& settings);
    void PaintAnswerBox(const QuizSettings& settings);
    void PaintTypingBox(QGroupBox& box, const QuizSettings& settings);
    QPushButton* MakeButton(const QString& name, const QString& caption, int left, int width = 97);

    // The places of the boxes on the screens of each kind.
    void PlaceMatchBoxes();
    // The question box of six lines (QuestLbl1..6) of the TI and MC screens.
    std::array<QLabel*, 6> PlaceQuestionLines();
    // The MC answer box, and where its option `tag` (1..6) lies in it.
    void PlaceChoiceBox();
    static QRect ChoiceOptionPlace(int tag);
    // The TI answer box (AnsLbl1) and the typing box below the question.
    struct TypingBox {
        QGroupBox* group; // GroupBox1
        QLineEdit* edit;  // Edit1
        QPushButton* ok;  // BitBtn2
        QLabel* answer;   // AnsLbl1
    };
    TypingBox PlaceTypingBoxes();

private:
    void BuildScorePanel();
};

} // namespace tavrin
