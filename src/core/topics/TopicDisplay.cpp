#include "core/topics/TopicDisplay.h"

#include "core/bytes/FileError.h"
#include "core/topics/TopicValues.h"

namespace tavrin {
namespace {

using topicvalue::AfterEquals;

constexpr std::size_t kPrintLine = 15;
constexpr std::size_t kFirstTextLine = 17;

std::int32_t IntegerAt(const std::vector<std::string>& lines, std::size_t position,
                       std::string_view field) {
    return topicvalue::ParseInteger(AfterEquals(lines[position]), field);
}

std::uint32_t ColourAt(const std::vector<std::string>& lines, std::size_t position,
                       std::string_view field) {
    return topicvalue::ParseColour(AfterEquals(lines[position]), field);
}

std::string Caption(const std::string& line0) {
    if (!line0.starts_with('['))
        return line0;
    return line0.size() >= 2 ? line0.substr(1, line0.size() - 2) : std::string();
}

TopicDisplayKind KindOf(std::int32_t linkType) {
    switch (linkType) {
    case 1:
        return TopicDisplayKind::FormattedText;
    case 5:
        return TopicDisplayKind::TextScreen;
    case 2:
    case 3:
    case 6:
    case 7:
    case 8:
        return TopicDisplayKind::Multimedia;
    case 4:
    case 9:
        return TopicDisplayKind::RunProgram;
    case 10:
        return TopicDisplayKind::OpenDocument;
    case 13:
        return TopicDisplayKind::NotesViewer;
    default:
        return TopicDisplayKind::Nothing;
    }
}

} // namespace

void ParseDisplayTopic(const std::vector<std::string>& lines, ViewPortDesign& design,
                       std::vector<std::string>& textLines) {
    if (lines.size() <= kPrintLine)
        throw FormatError("the display topic ends before its print line");
    ViewPortDesign parsed = design;
    parsed.setDisplaytype(IntegerAt(lines, 3, "displaytype"));
    parsed.setFullscreen(topicvalue::ParseBoolean(AfterEquals(lines[4])));
    parsed.setSBackColor(ColourAt(lines, 5, "Sbackcolor"));
    parsed.setSGraphic(AfterEquals(lines[6]));
    parsed.setSWallpaper(AfterEquals(lines[7]));
    parsed.setVpBack(ColourAt(lines, 8, "VPBack"));
    parsed.setVpLeft(IntegerAt(lines, 9, "VPLeft"));
    parsed.setVpTop(IntegerAt(lines, 10, "VPTop"));
    parsed.setVpWidth(IntegerAt(lines, 11, "VPWidth"));
    parsed.setVpHeight(IntegerAt(lines, 12, "VPHeight"));
    parsed.setPrint(topicvalue::ParseBoolean(AfterEquals(lines[kPrintLine])) ? 1 : 0);
    design = parsed;
    if (lines.size() > kFirstTextLine)
        textLines.insert(textLines.end(), lines.begin() + kFirstTextLine, lines.end());
}

TopicDisplay DecideTopicDisplay(const std::vector<std::string>& lines,
                                const std::filesystem::path& quizFolder) {
    TopicDisplay display;
    display.linkType = TopicLinkType(lines);
    display.caption = Caption(lines[0]);
    display.kind = KindOf(display.linkType);
    switch (display.kind) {
    case TopicDisplayKind::FormattedText:
    case TopicDisplayKind::TextScreen:
        display.design = DefaultViewPortDesign();
        ParseDisplayTopic(lines, display.design, display.textLines);
        break;
    case TopicDisplayKind::Multimedia:
        display.command = TopicCommandValue(lines);
        display.media = SplitMultimediaCommand(display.command);
        break;
    case TopicDisplayKind::RunProgram:
        display.command = TopicCommandValue(lines);
        display.program = ProgramCommandLine(display.linkType, display.command, quizFolder);
        break;
    case TopicDisplayKind::OpenDocument:
    case TopicDisplayKind::NotesViewer:
        display.command = TopicCommandValue(lines);
        break;
    case TopicDisplayKind::Nothing:
        break;
    }
    return display;
}

} // namespace tavrin
