#pragma once

#include <QFrame>
#include <cstdint>
#include <string>
#include <vector>

class QTextEdit;

namespace tavrin {

// The text window of the display screens and of their placement screens: a
// panel in the text window colour, bevelled or flat, holding a read-only
// rich-text control with a vertical scroll bar.
class RichTextPanel : public QFrame {
    Q_OBJECT
public:
    enum class Bevel { None, Raised, Lowered };

    RichTextPanel(std::uint32_t colour, Bevel bevel, QWidget* parent);

    QTextEdit* RichEdit1;

    void LoadRtf(const std::string& rtf);
    // The lines of a topic's rich-text source, joined with CR LF; anything
    // after the end of the source is ignored.
    void LoadTopicLines(const std::vector<std::string>& lines);
};

} // namespace tavrin
