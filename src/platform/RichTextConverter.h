#pragma once

#include "core/rtf/RichDocument.h"

#include <string>
#include <string_view>

class QTextDocument;

namespace tavrin {

// Moves formatted text between the neutral document of the rich-text reader
// and writer and the QTextDocument behind a text editor. Indents and tab
// positions are held in twips by the one and in pixels at 96 per inch by the other.
class RichTextConverter {
public:
    // Replaces the whole content; the editor's undo history starts afresh.
    // Runs without a face or size take the document's default font.
    static void ToTextDocument(const RichDocument& source, QTextDocument& target);

    // Unset attributes are filled from the document's default font, so the
    // result carries every face and size explicitly.
    static RichDocument FromTextDocument(const QTextDocument& source);
};

// Loads rich text, or plain text when the source does not start with "{\rtf".
void LoadRtf(QTextDocument& document, std::string_view source);

std::string SaveRtf(const QTextDocument& document);

} // namespace tavrin
