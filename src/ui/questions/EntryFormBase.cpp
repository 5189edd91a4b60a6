#include "ui/questions/EntryFormBase.h"

#include "platform/Platform.h"
#include "platform/PlatformConversions.h"
#include "platform/StepAside.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavrin {

namespace {

// Drawn where the information tick goes; the same check mark that the
// symbol font shows for its character 0xFC.
const QString kTick = QString(QChar(0x2714));

} // namespace

EntryFormBase::EntryFormBase(const EntryContext& context, int helpContext)
    : PlatformDialog(context.platform, helpContext, context.parent), QuestID(new QLineEdit(this)),
      Panel1(new QLabel(this)), Button1(new QPushButton(QStringLiteral("Add/Edit"), this)),
      Button2(new QPushButton(QStringLiteral("Delete"), this)), context_(context) {
    QuestID->setObjectName(QStringLiteral("QuestID"));
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    QuestID->setMaxLength(30);
    QuestID->installEventFilter(this);

    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, QColor(0, 128, 0));
    Panel1->setPalette(white);
    Panel1->setFixedSize(32, 28);
    QFont tickFont = Panel1->font();
    tickFont.setPointSize(tickFont.pointSize() + 4);
    Panel1->setFont(tickFont);
    Button2->setEnabled(false);

    setWindowTitle(QStringLiteral("Press F1 for Help"));
    connect(Button1, &QPushButton::clicked, this, &EntryFormBase::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &EntryFormBase::Button2Click);
}

void EntryFormBase::LoadCommon(const std::string& identifier, bool hasInformation) {
    openingId_ = identifier;
    currentId_ = identifier;
    if (context_.setCurrentQuestionId)
        context_.setCurrentQuestionId(identifier);
    QuestID->setText(ShownText(identifier));
    // An existing question keeps its identifier: its information and its
    // place in the run-time's lists are stored under it.
    QuestID->setEnabled(QuestID->text().isEmpty());
    hasInformation_ = hasInformation;
    openedWithInformation_ = hasInformation;
    ShowTick(hasInformation);
}

void EntryFormBase::ShowTick(bool shown) {
    Panel1->setText(shown ? kTick : QString());
    Button2->setEnabled(shown);
}

std::string EntryFormBase::Stored(const QLineEdit* edit) {
    return StoredText(edit->text());
}

bool EntryFormBase::IsBlank(const QLineEdit* edit) {
    return edit->text().trimmed().isEmpty();
}

bool EntryFormBase::Refuse(const char* message, QWidget* field) {
    context_.platform.ShowError(QString::fromLatin1(message));
    field->setFocus();
    return false;
}

void EntryFormBase::QuestIDExit() {
    if (checkingIdentifier_ || !QuestID->isEnabled())
        return;
    checkingIdentifier_ = true;
    const std::string typed = Stored(QuestID);
    if (!typed.empty() && context_.identifierInUse && context_.identifierInUse(typed, openingId_)) {
        context_.platform.ShowError(QStringLiteral("That Identifier is already in use."));
        QuestID->clear();
        QuestID->setFocus();
    } else {
        currentId_ = typed;
    }
    checkingIdentifier_ = false;
}

bool EntryFormBase::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QuestID && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box or menu taking the focus is not the author leaving the field.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            QuestIDExit();
    }
    return PlatformDialog::eventFilter(watched, event);
}

void EntryFormBase::Button1Click() {
    if (IsBlank(QuestID)) {
        Refuse("The Question Identifier must be entered.", QuestID);
        return;
    }
    currentId_ = Stored(QuestID);
    // Information the question had when the form opened is not this visit's
    // to remove, even after Delete: Cancel keeps the stored question as it was.
    if (!hasInformation_ && !openedWithInformation_)
        infoAddedHere_ = true;
    bool attached = false;
    if (context_.editInformation) {
        StepAside aside(context_.platform, *this);
        attached = context_.editInformation(currentId_);
    }
    if (attached) {
        hasInformation_ = true;
        ShowTick(true);
    }
    if (infoAddedHere_ && attached) {
        // The information is stored under this identifier now; changing it
        // afterwards would leave the information behind.
        QuestID->setEnabled(false);
    }
}

void EntryFormBase::Button2Click() {
    hasInformation_ = false;
    ShowTick(false);
}

void EntryFormBase::SaveClick() {
    if (IsBlank(QuestID)) {
        Refuse("The Question Identifier must be entered.", QuestID);
        return;
    }
    if (QuestID->isEnabled() && context_.identifierInUse &&
        context_.identifierInUse(Stored(QuestID), openingId_)) {
        QuestID->clear();
        Refuse("That Identifier is already in use.", QuestID);
        return;
    }
    currentId_ = Stored(QuestID);
    if (ValidateFields())
        accept();
}

void EntryFormBase::ApplyInformationOnSave() {
    if (!hasInformation_ && context_.deleteTopic)
        context_.deleteTopic(currentId_);
}

void EntryFormBase::done(int result) {
    if (result != QDialog::Accepted && infoAddedHere_ && context_.deleteTopic) {
        infoAddedHere_ = false;
        try {
            context_.deleteTopic(currentId_);
        } catch (const std::exception& error) {
            context_.platform.ShowError(QString::fromStdString(error.what()));
        }
    }
    PlatformDialog::done(result);
}

} // namespace tavrin
