#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/bytes/FileError.h"
#include "core/files/FileIO.h"
#include "core/topics/TopicColours.h"
#include "core/topics/TopicCommand.h"
#include "core/topics/TopicDisplay.h"
#include "tests/core/TempFolder.h"

namespace tavrin {
namespace {

using Lines = std::vector<std::string>;

TEST(TopicColours, IdentifiersWhereTheyExistElseHex) {
    EXPECT_EQ(ColourToText(0xC0C0C0), "clSilver");
    EXPECT_EQ(ColourToText(0x80000018u), "clInfoBk");
    EXPECT_EQ(ColourToText(0x1FFFFFFF), "clNone");
    EXPECT_EQ(ColourToText(0x00ABCDEF), "$00abcdef");
    EXPECT_EQ(ColourToText(0xFFFFFFFFu), "$ffffffff");

    EXPECT_EQ(TextToColour("CLBTNFACE"), 0x8000000Fu);
    EXPECT_EQ(TextToColour("cl3DDkShadow"), 0x80000015u);
    EXPECT_EQ(TextToColour("$00ABCDEF"), 0xABCDEFu);
    EXPECT_EQ(TextToColour("255"), 255u);
    EXPECT_EQ(TextToColour("-2147483633"), 0x8000000Fu);
    for (const char* bad : {"clPink", "", "$1FFFFFFFF"})
        EXPECT_FALSE(TextToColour(bad)) << bad;
}

Lines DisplayTopic(const std::string& type) {
    return {"[Q1]",
            "source=HYPER",
            "type=" + type,
            "displaytype=2",
            "fullscreen=true",
            "Sbackcolor=clRed",
            "SGraphic=back.jpg",
            "SWallpaper=tile.bmp",
            "VPBack=$00102030",
            "VPLeft=10",
            "VPTop=$14",
            "VPWidth=300",
            "VPHeight=-1",
            "RLTop=99",
            "RLLeft=98",
            "print=true",
            "text=",
            "{\\rtf1",
            "}",
            "]"};
}

TEST(ParseDisplayTopic, FillsTheDesignAndAppendsTheTextWithTheClosingLine) {
    ViewPortDesign design = DefaultViewPortDesign();
    Lines text{"before"};
    ParseDisplayTopic(DisplayTopic("1"), design, text);
    EXPECT_EQ(design.displaytype(), 2);
    EXPECT_TRUE(design.fullscreen());
    EXPECT_EQ(design.sBackColor(), 0x0000FFu);
    EXPECT_EQ(design.sGraphic(), "back.jpg");
    EXPECT_EQ(design.sWallpaper(), "tile.bmp");
    EXPECT_EQ(design.vpBack(), 0x102030u);
    EXPECT_EQ(design.vpLeft(), 10);
    EXPECT_EQ(design.vpTop(), 20);
    EXPECT_EQ(design.vpWidth(), 300);
    EXPECT_EQ(design.vpHeight(), -1);
    EXPECT_EQ(design.rlTop(), 1) << "the stored RLTop is not read";
    EXPECT_EQ(design.rlLeft(), 1);
    EXPECT_EQ(design.print(), 1);
    EXPECT_EQ(text, (Lines{"before", "{\\rtf1", "}", "]"}));

    Lines longName = DisplayTopic("5");
    longName[6] = "SGraphic=" + std::string(200, 'g');
    ParseDisplayTopic(longName, design, text);
    EXPECT_EQ(design.sGraphic(), std::string(150, 'g'));
}

TEST(ParseDisplayTopic, BadValuesChangeNothing) {
    const ViewPortDesign before = DefaultViewPortDesign();
    for (std::size_t position : {3u, 5u, 8u, 9u, 12u}) {
        Lines lines = DisplayTopic("1");
        lines[position] += "x";
        ViewPortDesign design = before;
        Lines text;
        EXPECT_THROW(ParseDisplayTopic(lines, design, text), FormatError) << position;
        EXPECT_EQ(design, before);
        EXPECT_TRUE(text.empty());
    }
    Lines shortTopic = DisplayTopic("1");
    shortTopic.resize(15);
    ViewPortDesign design;
    Lines text;
    EXPECT_THROW(ParseDisplayTopic(shortTopic, design, text), FormatError);
}

TEST(ProgramCommandLine, QuotesTheProgramAndPutsTheDocumentInTheQuizFolder) {
    const auto launch = ProgramCommandLine(4, "calc.exe,/a,/b", "/quiz/");
    EXPECT_EQ(launch.commandLine, "\"calc.exe\" /a,/b");
    EXPECT_EQ(launch.workingFolder, "/quiz/");
    const std::tuple<int, const char*, const char*, const char*> cases[] = {
        {4, "calc.exe /x", "/quiz/", "\"calc.exe\" /x"},
        {4, "calc.exe", "/quiz/", "calc.exe"},
        {4, "\"my calc.exe\" /x", "/quiz/", "\"my calc.exe\" /x"},
        // Stored names are Windows-1252; the command line is spelled as on disk.
        {4, "r\xE9gle.exe,\xE9t\xE9", "/quiz/", "\"r\xC3\xA9gle.exe\" \xC3\xA9t\xC3\xA9"},
        {9, "write.exe r\xE9sum\xE9.txt", "/caf\xC3\xA9/",
         "\"write.exe\" /caf\xC3\xA9/r\xC3\xA9sum\xC3\xA9.txt"},
        {9, "write.exe notes.txt", "/quiz/", "\"write.exe\" /quiz/notes.txt"},
        {9, "write.exe notes.txt", "/quiz", "\"write.exe\" /quiz/notes.txt"},
        {9, "write.exe", "/quiz/", "write.exe"},
        // A folder with blanks stays one argument; a document with its own folder keeps it.
        {9, "write.exe my notes.txt", "/my quiz/", "\"write.exe\" \"/my quiz/my notes.txt\""},
        {9, "write.exe C:\\docs\\a.txt", "/quiz/", "\"write.exe\" C:\\docs\\a.txt"},
    };
    for (const auto& [type, command, folder, line] : cases)
        EXPECT_EQ(ProgramCommandLine(type, command, folder).commandLine, line) << command;
}

TEST(ProgramCommandLine, AValueWithoutACommaIsOneProgramWhenThatFileExists) {
    TempFolder quiz;
    WriteFileAtomically(quiz / "My Program.sh", "#!/bin/sh\n");
    const auto whole = ProgramCommandLine(4, "MY PROGRAM.SH", quiz.path());
    EXPECT_EQ(whole.commandLine, "\"MY PROGRAM.SH\"");
    EXPECT_EQ(whole.program, "MY PROGRAM.SH");
    const auto split = ProgramCommandLine(4, "My Editor.sh notes.txt", quiz.path());
    EXPECT_EQ(split.commandLine, "\"My\" Editor.sh notes.txt");
    EXPECT_EQ(split.program, "My");
    EXPECT_EQ(ProgramCommandLine(9, "write.exe notes.txt", quiz.path()).program, "write.exe");
}

TEST(SplitMultimediaCommand, ClassifiesEachPartOnItsOwn) {
    EXPECT_EQ(SplitMultimediaCommand("pic.bmp,snd.wav,50"),
              (MultimediaCommand{"PIC.BMP", "SND.WAV", "", 5000}));
    EXPECT_EQ(SplitMultimediaCommand("clip.avi"), (MultimediaCommand{"", "", "CLIP.AVI", 0}));
    // A picture whose name holds ".WAV" is taken for the sound as well.
    EXPECT_EQ(SplitMultimediaCommand("a.wav.jpg,0"),
              (MultimediaCommand{"A.WAV.JPG", "A.WAV.JPG", "", 0}));
    EXPECT_EQ(SplitMultimediaCommand("a.bmp,b.jpg"), (MultimediaCommand{"B.JPG", "", "", 0}));
}

TEST(FilesNamedByTopic, FollowsTheRuleOfEachLinkType) {
    auto names = [](const std::string& type, const std::string& command) {
        return FilesNamedByTopic({"Q", "source=HYPER", "type=" + type, "command=" + command, "]"});
    };
    using Names = std::vector<TopicFileName>;
    EXPECT_EQ(names("2", "pic.bmp,50"), (Names{{"pic.bmp", false}}));
    EXPECT_EQ(names("3", "a.wav"), (Names{{"a.wav", false}}));
    EXPECT_EQ(names("4", "prog.exe,x"), (Names{{"prog.exe", true}}));
    EXPECT_EQ(names("4", "prog.exe"), (Names{{"prog.exe", true}}));
    EXPECT_EQ(names("6", "p.jpg,s.mid,20"), (Names{{"p.jpg", false}, {"s.mid", false}}));
    EXPECT_EQ(names("9", "write.exe doc.txt"), (Names{{"doc.txt", false}}));
    EXPECT_EQ(names("9", "write.exe"), Names{});
    EXPECT_EQ(names("10", "page.htm"), (Names{{"page.htm", false}}));
    EXPECT_EQ(names("13", "notes.txt"), (Names{{"notes.txt", false}}));
    EXPECT_EQ(names("12", "x"), Names{});
    EXPECT_EQ(FilesNamedByTopic(DisplayTopic("5")),
              (Names{{"back.jpg", false}, {"tile.bmp", false}}));
    EXPECT_EQ(FilesNamedByTopic(DisplayTopic("1")), Names{});
    Lines comma = DisplayTopic("5");
    comma[6] = "SGraphic=a,b.jpg";
    EXPECT_EQ(FilesNamedByTopic(comma), (Names{{"tile.bmp", false}}));
}

Lines CommandTopic(const std::string& type, const std::string& command) {
    return {"", "source=HYPER", "type=" + type, "command=" + command, "]"};
}

TEST(DecideTopicDisplay, ChoosesTheWindowByLinkType) {
    const std::pair<const char*, TopicDisplayKind> cases[] = {
        {"2", TopicDisplayKind::Multimedia},   {"3", TopicDisplayKind::Multimedia},
        {"6", TopicDisplayKind::Multimedia},   {"7", TopicDisplayKind::Multimedia},
        {"8", TopicDisplayKind::Multimedia},   {"4", TopicDisplayKind::RunProgram},
        {"9", TopicDisplayKind::RunProgram},   {"10", TopicDisplayKind::OpenDocument},
        {"13", TopicDisplayKind::NotesViewer}, {"0", TopicDisplayKind::Nothing},
        {"11", TopicDisplayKind::Nothing},     {"12", TopicDisplayKind::Nothing},
        {"99", TopicDisplayKind::Nothing},     {"-1", TopicDisplayKind::Nothing},
    };
    for (const auto& [type, kind] : cases)
        EXPECT_EQ(DecideTopicDisplay(CommandTopic(type, "x"), "/quiz/").kind, kind) << type;
    EXPECT_EQ(DecideTopicDisplay(CommandTopic("9", "w.exe d.txt"), "/quiz/").program.commandLine,
              "\"w.exe\" /quiz/d.txt");
    EXPECT_EQ(DecideTopicDisplay(CommandTopic("10", "page.htm"), "/quiz/").command, "page.htm");
}

TEST(DecideTopicDisplay, DisplayTopicsCarryDesignTextAndCaption) {
    const auto text = DecideTopicDisplay(DisplayTopic("1"), "/quiz/");
    EXPECT_EQ(text.kind, TopicDisplayKind::FormattedText);
    EXPECT_EQ(text.caption, "Q1");
    EXPECT_EQ(text.design.vpWidth(), 300);
    EXPECT_EQ(text.textLines, (Lines{"{\\rtf1", "}", "]"}));
    Lines blanked = DisplayTopic("5");
    blanked[0] = "";
    const auto screen = DecideTopicDisplay(blanked, "/quiz/");
    EXPECT_EQ(screen.kind, TopicDisplayKind::TextScreen);
    EXPECT_EQ(screen.caption, "");
    EXPECT_EQ(DecideTopicDisplay(CommandTopic("3", "a.wav"), "").caption, "");
}

TEST(DecideTopicDisplay, ReadsAtMostTwoCharactersOfTheType) {
    EXPECT_EQ(DecideTopicDisplay(CommandTopic("105", "x"), "").linkType, 10);
    EXPECT_THROW(DecideTopicDisplay(CommandTopic("x1", "x"), ""), FormatError);
    EXPECT_THROW(DecideTopicDisplay(CommandTopic("", "x"), ""), FormatError);
    EXPECT_THROW(DecideTopicDisplay({"", "source=INTRO"}, ""), FormatError);
    EXPECT_THROW(DecideTopicDisplay({}, ""), FormatError);
}

} // namespace
} // namespace tavrin
