#include "core/topics/TopicTextWriter.h"

#include "core/topics/TopicColours.h"
#include "core/topics/TopicLineCursor.h"
#include "core/topics/TopicValues.h"

namespace tavrin {

using topicvalue::BooleanText;
using topicvalue::IntegerText;

void TopicTextWriter::line(std::string_view text) {
    text_ += text;
    text_ += "\r\n";
}

void TopicTextWriter::head(std::string_view name, std::string_view source) {
    topicvalue::RequireSingleLine(name, "topic name");
    topicvalue::RequireSingleLine(source, "topic source");
    text_ += '[';
    text_ += name;
    line("]");
    text_ += "source=";
    line(source);
}

// A text line holding line breaks is stored as the lines it is made of, so it
// can never end the topic early or start a new one mid-line.
void TopicTextWriter::textLines(const std::vector<std::string>& text) {
    for (const auto& piece : text) {
        if (piece.find('\n') == std::string::npos) {
            line(piece);
            continue;
        }
        TopicLineCursor cursor(piece);
        while (!cursor.atEnd())
            line(cursor.next());
    }
}

void TopicTextWriter::commandTopic(std::string_view name, std::int32_t linkType,
                                   std::string_view command, std::string_view source) {
    topicvalue::RequireSingleLine(command, "command value");
    head(name, source);
    line("type=" + IntegerText(linkType));
    text_ += "command=";
    line(command);
    line("]");
    line("");
}

void TopicTextWriter::displayTopic(std::string_view name, std::int32_t linkType,
                                   const ViewPortDesign& design,
                                   const std::vector<std::string>& text, std::string_view source) {
    topicvalue::RequireSingleLine(design.sGraphic(), "background picture");
    topicvalue::RequireSingleLine(design.sWallpaper(), "wallpaper");
    head(name, source);
    line("type=" + IntegerText(linkType));
    line("displaytype=" + IntegerText(design.displaytype()));
    line("fullscreen=" + std::string(BooleanText(design.fullscreen())));
    line("Sbackcolor=" + ColourToText(design.sBackColor()));
    line("SGraphic=" + design.sGraphic());
    line("SWallpaper=" + design.sWallpaper());
    line("VPBack=" + ColourToText(design.vpBack()));
    line("VPLeft=" + IntegerText(design.vpLeft()));
    line("VPTop=" + IntegerText(design.vpTop()));
    line("VPWidth=" + IntegerText(design.vpWidth()));
    line("VPHeight=" + IntegerText(design.vpHeight()));
    line("RLTop=" + IntegerText(design.rlTop()));
    line("RLLeft=" + IntegerText(design.rlLeft()));
    line("print=" + std::string(BooleanText(design.print() != 0)));
    line("text=");
    textLines(text);
    line("]");
    line("");
}

void TopicTextWriter::introduction(const std::vector<std::string>& text, bool emptyLineAfter) {
    text_ += '[';
    text_ += kIntroductionName;
    line("]");
    text_ += "source=";
    line(kIntroductionSource);
    line("text=");
    textLines(text);
    line("]");
    if (emptyLineAfter)
        line("");
}

} // namespace tavrin
