#include "ui/present/quiz/DesignParts.h"

#include <QFocusEvent>
#include <QPushButton>
#include <QVariant>

#include "core/bytes/FileError.h"
#include "core/project/ProjectState.h"
#include "platform/Platform.h"
#include "ui/runtime/RunStyle.h"

namespace tavrin {
namespace {

constexpr const char* kBoxColour = "tavrinBoxColour";
constexpr const char* kTextColour = "tavrinTextColour";

std::uint32_t StoredValue(const QWidget& element, const char* property) {
    return element.property(property).value<std::uint32_t>();
}

} // namespace

QPushButton* MakeNamedButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

int ContextByKind(QuizKind kind, int qa, int ti, int mc) {
    return kind == QuizKind::QA ? qa : kind == QuizKind::TI ? ti : mc;
}

bool SaveQuizFile(Platform& platform, const ProjectState& state) {
    try {
        SaveQuizSettings(state.quizFile, state.settings);
        return true;
    } catch (const FileError& error) {
        platform.ShowError(QString::fromStdString(error.what()));
        return false;
    }
}

void ShowBoxColour(QWidget& element, std::uint32_t colour) {
    element.setProperty(kBoxColour, QVariant::fromValue(colour));
    PaintBackground(element, colour);
}

std::uint32_t BoxColourOf(const QWidget& element) {
    return StoredValue(element, kBoxColour);
}

void ShowTextColour(QWidget& element, std::uint32_t colour) {
    element.setProperty(kTextColour, QVariant::fromValue(colour));
    PaintText(element, colour);
}

std::uint32_t TextColourOf(const QWidget& element) {
    return StoredValue(element, kTextColour);
}

void PickBoxColour(Platform& platform, QWidget& element) {
    if (const auto colour = platform.ChooseColour(BoxColourOf(element)))
        ShowBoxColour(element, *colour);
}

void PickTextColour(Platform& platform, QWidget& element) {
    if (const auto colour = platform.ChooseColour(TextColourOf(element)))
        ShowTextColour(element, *colour);
}

bool IsLeavingEdit(const QEvent& event) {
    if (event.type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace tavrin
