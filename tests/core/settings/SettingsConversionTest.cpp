#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/bytes/FileError.h"
#include "core/settings/SettingsConversion.h"
#include "tests/core/RecordBytes.h"

namespace tavrin {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put(Bytes& data, std::size_t offset, const Bytes& bytes) {
    std::copy(bytes.begin(), bytes.end(), data.begin() + offset);
}

using testing::pstr;

void expectAt(const QuizSettings& s, std::size_t offset, const Bytes& expected) {
    testing::expectAt(s.bytes(), offset, expected);
}

// An earlier-format record laid out by hand, field by field.
Bytes earlierRecord() {
    Bytes old(2278, 0x00);
    put(old, 0, {0x04, '2', '.', '0', '1'});
    for (std::size_t i = 5; i <= 314; ++i) // quiz screen block: a recognisable pattern
        old[i] = static_cast<std::uint8_t>(i);
    old[315] = 0x01;                         // show introduction
    put(old, 317, pstr("Intro title"));      // introduction title bar text
    put(old, 586, {0x11, 0x22, 0x33, 0x00}); // status bar colour (last intro field)
    // Text window at 590.
    put(old, 590,
        {0x01, 0x02, 0x03, 0x00,   // colour
         0x00,                     // not full screen
         0x02, 0x00, 0x00, 0x00,   // graphic background
         0x04, 0x05, 0x06, 0x00}); // background colour
    put(old, 603, pstr("BACK.BMP"));
    put(old, 616, pstr("TILE.BMP"));
    put(old, 629,
        {0x0A, 0x00, 0x00, 0x00, 0x14, 0x00, 0x00, 0x00,   // left 10, top 20
         0x2C, 0x01, 0x00, 0x00, 0x96, 0x00, 0x00, 0x00}); // width 300, height 150
    put(old, 645, Bytes(12, 0xEE));                        // not carried over
    old[657] = 0x07;                                       // print
    old[658] = 0x00;                                       // no menu bar
    old[659] = 0x01;                                       // run opening command
    // Opening command at 660.
    put(old, 660, {0x02, 0x00}); // graphic only
    put(old, 662, pstr("PIC.BMP"));
    put(old, 675, pstr("G6.BMP"));
    put(old, 688, pstr("VOICE.WAV"));
    put(old, 701, pstr("S6.WAV"));
    put(old, 714, pstr("PROG.EXE"));
    put(old, 765, {0x05, 0x00});
    put(old, 767, pstr("PIC.BMP 50"));
    old[828] = 0x01; // run closing command
    // Closing command at 829: a program with an argument.
    put(old, 829, {0x04, 0x00});
    put(old, 883, pstr("EDIT.EXE NOTES.TXT"));
    put(old, 936, pstr("EDIT.EXE NOTES.TXT MORE"));
    old[997] = 0x01; // show about box
    // About box at 998.
    put(old, 998, {0x02, 0x00});
    put(old, 1000, pstr("About it"));
    old[1041] = 0x01;
    put(old, 1042, pstr("Q.ICO"));
    put(old, 1055, pstr("Quizzer"));
    put(old, 1088, pstr("v1"));
    put(old, 1131, pstr("Me"));
    put(old, 1174, pstr("c1"));
    put(old, 1372, pstr("c4"));
    put(old, 1438, pstr("&Info"));      // about button text
    put(old, 1540, pstr("Press Play")); // media instruction at 1438 + 102
    // Program window at 1566.
    put(old, 1566, pstr("My Quiz"));
    old[1647] = 0x01;
    put(old, 1648, pstr("APP.ICO"));
    old[1661] = 0x01;
    put(old, 1662, pstr("APP.HLP"));
    put(old, 1675, {0x03, 0x00, 0x00, 0x00});
    old[1679] = 0x01;
    put(old, 1680, pstr("Results!"));
    put(old, 2207, pstr("Study?")); // review offer, last custom text
    return old;
}

TEST(EarlierSettings, FieldsMoveToTheirCurrentPlaces) {
    const QuizSettings s = ConvertEarlierSettings(earlierRecord());
    expectAt(s, 0, {0x03, '2', '.', '1'});
    for (std::size_t i = 5; i <= 314; ++i)
        ASSERT_EQ(s.bytes()[i], static_cast<std::uint8_t>(i)) << i;
    expectAt(s, 315, {0x01});
    expectAt(s, 317, pstr("Intro title"));
    expectAt(s, 586, {0x11, 0x22, 0x33, 0x00});
    expectAt(s, 590,
             {0x01, 0x02, 0x03, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x04, 0x05, 0x06, 0x00});
    expectAt(s, 603, pstr("BACK.BMP"));
    expectAt(s, 754, pstr("TILE.BMP"));
    expectAt(s, 905, {0x0A, 0x00, 0x00, 0x00, 0x14, 0x00, 0x00, 0x00, 0x2C, 0x01,
                      0x00, 0x00, 0x96, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, // RLTop
                      0x01, 0x00, 0x00, 0x00,                                     // RLLeft
                      0x07,                                                       // print
                      0x00,                                                       // menu bar (930)
                      0x01}); // opening flag (931)
    // Opening command at 932.
    expectAt(s, 932, {0x02, 0x00});
    expectAt(s, 934, pstr("PIC.BMP"));
    expectAt(s, 1085, pstr("G6.BMP"));
    expectAt(s, 1236, pstr("VOICE.WAV"));
    expectAt(s, 1387, pstr("S6.WAV"));
    expectAt(s, 1538, pstr("PROG.EXE"));
    expectAt(s, 1739, {0x05, 0x00});
    expectAt(s, 1741, pstr("PIC.BMP,50"));
    expectAt(s, 1942, {0x01, 0x04, 0x00});
    expectAt(s, 1943 + 606, pstr("EDIT.EXE,NOTES.TXT")); // the program field too
    expectAt(s, 1943 + 809, pstr("EDIT.EXE,NOTES.TXT MORE"));
    // About box at 2954.
    expectAt(s, 2953, {0x01, 0x02, 0x00});
    expectAt(s, 2956, pstr("About it"));
    expectAt(s, 2997, {0x01});
    expectAt(s, 2998, pstr("Q.ICO"));
    expectAt(s, 3149, pstr("Quizzer"));
    expectAt(s, 3182, pstr("v1"));
    expectAt(s, 3225, pstr("Me"));
    expectAt(s, 3268, pstr("c1"));
    expectAt(s, 3466, pstr("c4"));
    expectAt(s, 3532, pstr("&Info"));
    expectAt(s, 3634, pstr("Press Play"));
    // Program window at 3660.
    expectAt(s, 3660, pstr("My Quiz"));
    expectAt(s, 3741, {0x01});
    expectAt(s, 3742, pstr("APP.ICO"));
    expectAt(s, 3893, {0x01});
    expectAt(s, 3894, pstr("APP.HLP"));
    expectAt(s, 4045, {0x03, 0x00, 0x00, 0x00, 0x01});
    expectAt(s, 4050, {0x01, 0x00, 0x00, 0x00, 0xC0, 0xC0, 0xC0, 0x00, 0x00});
    expectAt(s, 4209, {0x00});
    expectAt(s, 4360, pstr("Results!"));
    expectAt(s, 4887, pstr("Study?"));
}

TEST(EarlierSettings, WidenedFieldsCarryNoStrayBytes) {
    Bytes old = earlierRecord();
    old[603] = 200; // a damaged length in the string[12] graphic name
    const QuizSettings s = ConvertEarlierSettings(old);
    EXPECT_EQ(s.bytes()[603], 12);
    expectAt(s, 603 + 13, Bytes(138, 0x00)); // the widened rest stays empty
    expectAt(s, 934 + 13, Bytes(138, 0x00));
}

TEST(EarlierSettings, ShortOrForeignDataIsRefused) {
    Bytes old = earlierRecord();
    old.pop_back();
    EXPECT_THROW(ConvertEarlierSettings(old), FormatError);
    EXPECT_THROW(ConvertEarlierSettings(Bytes{}), FormatError);
    Bytes current = earlierRecord();
    put(current, 0, {0x03, '2', '.', '1'});
    EXPECT_THROW(ConvertEarlierSettings(current), FormatError);
    Bytes longer = earlierRecord();
    longer.resize(3000, 0xFF);
    EXPECT_NO_THROW(ConvertEarlierSettings(longer));
}

TEST(EarlierSettings, CommandLinesGetCommasForTheirBlanks) {
    EXPECT_EQ(ConvertEarlierCommandLine(2, "PIC.BMP 50"), "PIC.BMP,50");
    EXPECT_EQ(ConvertEarlierCommandLine(4, "PROG.EXE A B"), "PROG.EXE,A B");
    EXPECT_EQ(ConvertEarlierCommandLine(4, "PROG.EXE"), "PROG.EXE");
    EXPECT_EQ(ConvertEarlierCommandLine(0, "PROG.EXE /X"), "PROG.EXE,/X");
    EXPECT_EQ(ConvertEarlierCommandLine(6, "P.BMP S.WAV 5"), "P.BMP,S.WAV,5");
    EXPECT_EQ(ConvertEarlierCommandLine(9, "WRITE.EXE DOC.WRI"), "WRITE.EXE DOC.WRI");
    EXPECT_EQ(ConvertEarlierCommandLine(2, ""), "");
}

} // namespace
} // namespace tavrin
