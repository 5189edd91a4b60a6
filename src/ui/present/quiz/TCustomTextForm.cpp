#include "ui/present/quiz/TCustomTextForm.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>
#include <string>

#include "core/project/ProjectState.h"
#include "core/settings/ResultsDesign.h"
#include "platform/PlatformConversions.h"
#include "ui/present/quiz/DesignParts.h"

namespace tavrin {
namespace {

using Getter = std::function<std::string(const QuizSettings&)>;
using Setter = std::function<void(QuizSettings&, std::string_view)>;

// One box: where it is shown, what it edits and how much it accepts
// (0: no limit; the stored text is cut to its field all the same).
struct TextBox {
    const char* group;
    const char* label;
    const char* name;
    int limit;
    Getter get;
    Setter set;
};

TextBox Custom(const char* group, const char* label, const char* name,
               CustomTexts::CustomText which, int limit = -1) {
    const int boxLimit = limit >= 0 ? limit : static_cast<int>(CustomTexts::slot(which).capacity);
    return {group,
            label,
            name,
            boxLimit,
            [which](const QuizSettings& s) { return s.customTexts().text(which); },
            [which](QuizSettings& s, std::string_view v) {
                CustomTexts texts = s.customTexts();
                texts.setText(which, v);
                s.setCustomTexts(texts);
            }};
}

TextBox Program(const char* group, const char* label, const char* name, int limit,
                std::string (ProgramScreens::*get)() const,
                void (ProgramScreens::*set)(std::string_view)) {
    return {group,
            label,
            name,
            limit,
            [get](const QuizSettings& s) { return (s.programScreens().*get)(); },
            [set](QuizSettings& s, std::string_view v) {
                ProgramScreens screens = s.programScreens();
                (screens.*set)(v);
                s.setProgramScreens(screens);
            }};
}

const std::vector<TextBox>& Boxes() {
    using C = CustomTexts;
    using P = ProgramScreens;
    static const char* const kButtons = " Buttons ";
    static const char* const kQuestion = " Question Screen ";
    static const char* const kQuiz = " Quiz Screen ";
    static const char* const kReview = " PreView/Review ";
    static const char* const kResults = " Results ";
    static const char* const kMedia = " AVI and MIDI Instructions ";
    static const std::vector<TextBox> boxes = {
        {kButtons, "&Quit", "QuitEdit", 16,
         [](const QuizSettings& s) { return s.programScreens().quitButtonText(); },
         [](QuizSettings& s, std::string_view v) { StoreQuitText(s, v); }},
        Program(kButtons, "&Close", "CloseEdit", 16, &P::closeButtonText, &P::setCloseButtonText),
        Program(kButtons, "&About", "AboutEdit", 16, &P::aboutButtonText, &P::setAboutButtonText),
        Program(kButtons, "&Help", "HelpEdit", 16, &P::helpButtonText, &P::setHelpButtonText),
        Custom(kButtons, "&Continue", "ContinueEdit", C::kContinueButton, 0),
        Custom(kButtons, "&Next", "NextEdit", C::kNextButton, 0),
        Custom(kButtons, "&Information", "InformationEdit", C::kInformationButton, 0),
        Custom(kButtons, "&All Questions", "AllQuestionsEdit", C::kAllQuestionsChoice),
        Custom(kButtons, "&Incorrect Only", "IncorrectOnlyEdit", C::kIncorrectOnlyChoice),
        Custom(kQuestion, "Total Questions", "TotalEdit", C::kTotalQuestionsLabel),
        Custom(kQuestion, "Questions to Take", "ToTakeEdit", C::kQuestionsToTakeLabel, 29),
        Custom(kQuestion, "Score", "ScoreEdit", C::kScoreLabel),
        Custom(kQuestion, "Answered", "AnsweredEdit", C::kAnsweredLabel),
        Custom(kQuestion, "Correct", "CorrectEdit", C::kCorrectLabel),
        Custom(kQuiz, "Select a Question", "SelectQuestionEdit", C::kSelectQuestionCaption),
        Custom(kQuiz, "Select an Answer", "SelectAnswerEdit", C::kSelectAnswerCaption),
        Custom(kQuiz, "Quit warning", "QuitWarningEdit", C::kQuitConfirmation),
        Custom(kReview, "Preview offer", "PreviewOfferEdit", C::kPreviewOffer),
        Custom(kReview, "Study offer", "StudyOfferEdit", C::kReviewOffer),
        Custom(kReview, "Select a Question to view", "ReviewPromptEdit", C::kReviewPrompt),
        Custom(kReview, "Question", "QuestionEdit", C::kQuestionCaption),
        Custom(kReview, "Answer", "AnswerEdit", C::kAnswerCaption),
        Custom(kResults, "Quiz Results", "ResultsEdit", C::kResultsHeading),
        Custom(kResults, "Questions Answered", "QuestionsAnsweredEdit", C::kQuestionsAnswered),
        Custom(kResults, "Correct Answers", "CorrectAnswersEdit", C::kCorrectAnswers),
        Program(kMedia, "Press the Start button", "MediaEdit",
                static_cast<int>(P::kMediaInstructionCapacity), &P::mediaInstruction,
                &P::setMediaInstruction),
    };
    return boxes;
}

} // namespace

TCustomTextForm::TCustomTextForm(Platform& platform, ProjectState& state, QWidget* parent)
    : PlatformDialog(platform, 315, parent),
      DefaultsBtn(MakeNamedButton("DefaultsBtn", tr("&Defaults"), this)),
      SaveBtn(MakeNamedButton("SaveBtn", tr("&Save"), this)),
      CancelBtn(MakeNamedButton("CancelBtn", tr("&Cancel"), this)), state_(state),
      copy_(state.settings) {
    setObjectName(QStringLiteral("TCustomTextForm"));
    setWindowTitle(tr("Customize Quiz Text"));
    auto* grid = new QGridLayout;
    QGroupBox* group = nullptr;
    QFormLayout* rows = nullptr;
    int groups = 0;
    for (const TextBox& box : Boxes()) {
        if (group == nullptr || group->title() != QLatin1String(box.group)) {
            group = new QGroupBox(QString::fromLatin1(box.group), this);
            rows = new QFormLayout(group);
            if (groups == 0)
                rows->addRow(new QLabel(tr("&& indicates Hot Key"), group));
            grid->addWidget(group, groups % 3, groups / 3);
            ++groups;
        }
        auto* edit = new QLineEdit(group);
        edit->setObjectName(QString::fromLatin1(box.name));
        if (box.limit > 0)
            edit->setMaxLength(box.limit);
        auto* label = new QLabel(QString::fromLatin1(box.label), group);
        label->setTextFormat(Qt::PlainText);
        rows->addRow(label, edit);
        Edits.push_back(edit);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {DefaultsBtn, SaveBtn, CancelBtn})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    FillBoxes();

    connect(DefaultsBtn, &QPushButton::clicked, this, &TCustomTextForm::DefaultsBtnClick);
    connect(SaveBtn, &QPushButton::clicked, this, &TCustomTextForm::SaveBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TCustomTextForm::FillBoxes() {
    const auto& boxes = Boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        Edits[i]->setText(ShownText(boxes[i].get(copy_)));
}

void TCustomTextForm::DefaultsBtnClick() {
    RestoreDefaultTexts(copy_);
    // The program-wide instruction follows the defaults at once.
    state_.mediaInstruction = copy_.programScreens().mediaInstruction();
    FillBoxes();
}

void TCustomTextForm::SaveBtnClick() {
    const auto& boxes = Boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i].set(copy_, StoredText(Edits[i]->text()));
    state_.mediaInstruction = copy_.programScreens().mediaInstruction();
    state_.settings = copy_;
    SaveQuizFile(platform(), state_);
    accept();
}

void RunCustomTextDesign(Platform& platform, ProjectState& state, QWidget* parent) {
    TCustomTextForm form(platform, state, parent);
    platform.RunModal(form);
}

} // namespace tavrin
