#include "ui/present/quiz/TScoreDesignForm.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>

#include "core/settings/QuizSettings.h"
#include "platform/PlatformConversions.h"

namespace tavrin {

TScoreDesignForm::TScoreDesignForm(Platform& platform, const QuizSettings& settings,
                                   QWidget* parent)
    : ColourDesignForm(platform, 302, QStringLiteral("TScoreDesignForm"),
                       tr("Design Score Panel Colors"), settings, parent),
      ScorePnl(new QFrame(this)) {
    const CustomTexts texts = settings.customTexts();
    ScorePnl->setObjectName(QStringLiteral("ScorePnl"));
    ScorePnl->setFrameShape(QFrame::Panel);
    TotQuestLbl = new QLabel(ShownText(texts.totalQuestionsLabel()), ScorePnl);
    TotQuestLbl->setObjectName(QStringLiteral("TotQuestLbl"));
    TotQuestLbl->setTextFormat(Qt::PlainText);
    ScoreLbl = new QLabel(ShownText(texts.scoreLabel()), ScorePnl);
    ScoreLbl->setObjectName(QStringLiteral("ScoreLbl"));
    ScoreLbl->setTextFormat(Qt::PlainText);
    BarPnl = new QFrame(ScorePnl);
    BarPnl->setObjectName(QStringLiteral("BarPnl"));
    BarPnl->setFrameShape(QFrame::Box);
    BarPnl->setFixedSize(160, 21);
    ProgressPnl = new QFrame(BarPnl);
    ProgressPnl->setObjectName(QStringLiteral("ProgressPnl"));
    ProgressPnl->setGeometry(1, 1, 60, 19);
    auto* row = new QHBoxLayout(ScorePnl);
    row->addWidget(TotQuestLbl);
    row->addWidget(ScoreLbl);
    row->addWidget(BarPnl);

    using S = QuizSettings;
    AddColour("PanelBtn", tr("&Score Panel"), *ScorePnl, Part::kBox, &S::scorePanelColour,
              &S::setScorePanelColour);
    AddColour("TextBtn", tr("&Text"), *ScorePnl, Part::kText, &S::scorePanelTextColour,
              &S::setScorePanelTextColour);
    AddColour("BarBtn", tr("Score &Bar"), *BarPnl, Part::kBox, &S::scoreBarColour,
              &S::setScoreBarColour);
    AddColour("ProgressBtn", tr("&Progress"), *ProgressPnl, Part::kBox, &S::progressColour,
              &S::setProgressColour);
    Finish(*ScorePnl);
}

bool DesignScorePanel(Platform& platform, QuizSettings& settings, QWidget* parent) {
    TScoreDesignForm form(platform, settings, parent);
    return RunColourDesign(platform, form, settings);
}

} // namespace tavrin
