#pragma once

#include <cstdint>
#include <vector>

#include "platform/PlatformDialog.h"

class QPushButton;
class QVBoxLayout;

namespace tavrin {

class QuizSettings;

// A dialog that designs colours on a mock-up: each button opens the colour
// dialog on one element of the mock-up, and "&OK" reads every colour back
// from its element into the settings.
class ColourDesignForm : public PlatformDialog {
    Q_OBJECT
public:
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    // Every field of the dialog, read back from its element.
    void StoreInto(QuizSettings& settings) const;

protected:
    using Getter = std::uint32_t (QuizSettings::*)() const;
    using Setter = void (QuizSettings::*)(std::uint32_t);
    enum class Part { kBox, kText };

    ColourDesignForm(Platform& platform, int helpContext, const QString& name, const QString& title,
                     const QuizSettings& settings, QWidget* parent);

    // Shows the field's colour on the element and adds its button.
    QPushButton* AddColour(const QString& buttonName, const QString& caption, QWidget& element,
                           Part part, Getter get, Setter set);
    // Lays the mock-up out beside the buttons, with OK and Cancel below.
    void Finish(QWidget& mockUp);

    const QuizSettings& settings_;

private:
    struct Element {
        QWidget* widget;
        Part part;
        Setter set;
    };
    std::vector<Element> elements_;
    QVBoxLayout* buttonColumn_;
};

// Runs the dialog; true, with the settings changed, when it ended with "&OK".
bool RunColourDesign(Platform& platform, ColourDesignForm& form, QuizSettings& settings);

} // namespace tavrin
