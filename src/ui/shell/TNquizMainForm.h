#pragma once

#include "core/questions/QuizKind.h"

#include <QWidget>
#include <functional>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace tavrin {

class Platform;
class TiledBackground;

// The program's main window: the three quiz kinds, tutorial, help, about and quit.
class TNquizMainForm : public QWidget {
    Q_OBJECT
public:
    struct Actions {
        // Clears the current quiz and runs the manager of the kind modally.
        std::function<void(QuizKind)> openManager;
        std::function<void()> showTutorial;
    };

    TNquizMainForm(Platform& platform, const QString& programTitle, Actions actions,
                   QWidget* parent = nullptr);

    TiledBackground* Background;
    QFrame* menuPnl;
    QLabel* TitlePnl;
    QGroupBox* GroupBox1;
    QPushButton* SelectBtn;
    QPushButton* NewBtn;
    QPushButton* Button1;
    QGroupBox* GroupBox2;
    QPushButton* TutorBtn;
    QPushButton* HelpBtn;
    QPushButton* AboutBtn;
    QPushButton* QuitBtn;
    QTimer* Timer1;

    static constexpr int kHelpContext = 10;
    static constexpr int kClientWidth = 644;
    static constexpr int kClientHeight = 465;

    void Timer1Timer();
    void SelectBtnClick() { OpenManagerOf(QuizKind::QA); }
    void NewBtnClick() { OpenManagerOf(QuizKind::TI); }
    void Button1Click() { OpenManagerOf(QuizKind::MC); }
    void TutorBtnClick();
    void HelpBtnClick();
    void AboutBtnClick();
    void QuitBtnClick() { close(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenuPanel();
    void CentreMenuPanel();
    void OpenManagerOf(QuizKind kind);

    Platform& platform_;
    QString programTitle_;
    Actions actions_;
};

} // namespace tavrin
