#pragma once

#include "core/questions/QuizKind.h"
#include "ui/shell/ManagerServices.h"

#include <QDialog>
#include <functional>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tavrin {

class Platform;
class TiledBackground;
struct ProjectState;

// The manager of one quiz kind: selects or starts a quiz and reaches every
// operation on it. The three kinds share this layout; their classes only
// differ in a few component names and texts.
class QuizManagerForm : public QDialog {
    Q_OBJECT
public:
    TiledBackground* Background;
    QFrame* MenuPanel; // menuPnl (QA) or MenuPnl (TI, MC)
    QLabel* TitlePnl;
    QPushButton* SelectBtn;
    QPushButton* NewQuizBtn; // NewBtn (QA) or StartBtn
    QGroupBox* QuestionsGroup;
    QPushButton* AddBtn;
    QPushButton* EditBtn;
    QPushButton* ViewBtn;
    QPushButton* DeleteBtn;
    QPushButton* ImportBtn;
    QPushButton* ExportBtn;
    QGroupBox* ProgramGroup;
    QPushButton* PreviewBtn;
    QPushButton* CompileBtn;
    QPushButton* ExecBtn;
    QPushButton* DistribBtn;
    QGroupBox* CustomizeGroup;
    QPushButton* QuizPresentationBtn;    // CustQuizBtn or CustChapBtn
    QPushButton* ProgramPresentationBtn; // CustProgBtn or CustBookBtn
    QGroupBox* HelpGroup;
    QPushButton* HelpBtn;
    QPushButton* TutorialBtn; // TutorBtn or TutBtn
    QPushButton* QuitBtn;
    QFrame* StatusPnl;
    QLabel* HintLbl;
    QLabel* CaptionLbl;
    QLabel* ProjectLbl;
    QLabel* waitpnl;

    QuizKind kind() const { return kind_; }
    ProjectState& state() { return state_; }
    Platform& platform() { return platform_; }

    // Runs after creation and after every operation.
    void EnableButtons();
    // Shows the quiz name in the status panel ("None Selected" when empty).
    void ShowCurrentQuiz(const QString& name);
    // Shows the wait panel while `work` runs.
    void RunWithWaitPanel(const std::function<void()>& work);

    void SelectBtnClick();
    void NewQuizBtnClick();
    void AddBtnClick();
    void EditBtnClick();
    void ViewBtnClick();
    void DeleteBtnClick();
    void ImportBtnClick();
    void ExportBtnClick();
    void PreviewBtnClick();
    void CompileBtnClick();
    void ExecBtnClick();
    void DistribBtnClick();
    void QuizPresentationBtnClick();
    void ProgramPresentationBtnClick();
    void HelpBtnClick();
    void TutorialBtnClick();
    void QuitBtnClick() { reject(); }

protected:
    QuizManagerForm(Platform& platform, ProjectState& state, const ManagerServices& services,
                    QuizKind kind, QWidget* parent);

    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    enum class FocusAfter { Self, AddIfEnabled, SelfElseAdd };

    void BuildLayout();
    void NameComponents();
    void ConnectButtons();
    void CentrePanels();
    // Hides the menu panel, runs the operation (reporting any error), shows the
    // panel again, runs the enable rule and moves the focus.
    void RunOperation(QPushButton* pressed, FocusAfter focus, const std::function<void()>& work);
    void RunService(QPushButton* pressed, const ManagerServices::ManagerAction& action,
                    bool withWaitPanel = false);

    Platform& platform_;
    ProjectState& state_;
    ManagerServices services_;
    QuizKind kind_;
};

} // namespace tavrin
