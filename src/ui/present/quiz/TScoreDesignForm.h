#pragma once

#include "ui/present/quiz/ColourDesignForm.h"

class QFrame;
class QLabel;

namespace tavrin {

// The colours of the score panel: the panel, its text, the bar and the
// bar's filled part.
class TScoreDesignForm : public ColourDesignForm {
    Q_OBJECT
public:
    TScoreDesignForm(Platform& platform, const QuizSettings& settings, QWidget* parent = nullptr);

    QFrame* ScorePnl;
    QLabel* TotQuestLbl;
    QLabel* ScoreLbl;
    QFrame* BarPnl;
    QFrame* ProgressPnl;
};

// True, with the settings changed, when the author pressed "&OK".
bool DesignScorePanel(Platform& platform, QuizSettings& settings, QWidget* parent = nullptr);

} // namespace tavrin
