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

// A field of the earlier format, its place in the current one, and its bytes, which
// the conversion carries over unchanged.
struct Move {
    std::size_t from;
    std::size_t to;
    Bytes bytes;
};

const Move kMoves[] = {
    {315, 315, {0x01}},                   // show introduction
    {317, 317, pstr("Intro title")},      // introduction title bar text
    {586, 586, {0x11, 0x22, 0x33, 0x00}}, // status bar colour (last intro field)
    // Text window at 590: colour, not full screen, graphic background, background colour.
    {590, 590, {0x01, 0x02, 0x03, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x04, 0x05, 0x06, 0x00}},
    {603, 603, pstr("BACK.BMP")},
    {616, 754, pstr("TILE.BMP")},
    // Opening command at 660 (graphic only), now at 932.
    {660, 932, {0x02, 0x00}},
    {662, 934, pstr("PIC.BMP")},
    {675, 1085, pstr("G6.BMP")},
    {688, 1236, pstr("VOICE.WAV")},
    {701, 1387, pstr("S6.WAV")},
    {714, 1538, pstr("PROG.EXE")},
    {765, 1739, {0x05, 0x00}},
    {828, 1942, {0x01, 0x04, 0x00}}, // run closing command: a program with an argument
    {997, 2953, {0x01, 0x02, 0x00}}, // show about box, about box at 998
    {1000, 2956, pstr("About it")},
    {1041, 2997, {0x01}},
    {1042, 2998, pstr("Q.ICO")},
    {1055, 3149, pstr("Quizzer")},
    {1088, 3182, pstr("v1")},
    {1131, 3225, pstr("Me")},
    {1174, 3268, pstr("c1")},
    {1372, 3466, pstr("c4")},
    {1438, 3532, pstr("&Info")},      // about button text
    {1540, 3634, pstr("Press Play")}, // media instruction at 1438 + 102
    // Program window at 1566, now at 3660.
    {1566, 3660, pstr("My Quiz")},
    {1647, 3741, {0x01}},
    {1648, 3742, pstr("APP.ICO")},
    {1661, 3893, {0x01}},
    {1662, 3894, pstr("APP.HLP")},
    {1675, 4045, {0x03, 0x00, 0x00, 0x00, 0x01}},
    {1680, 4360, pstr("Results!")},
    {2207, 4887, pstr("Study?")}, // review offer, last custom text
};

// An earlier-format record laid out by hand, field by field.
Bytes earlierRecord() {
    Bytes old(2278, 0x00);
    put(old, 0, {0x04, '2', '.', '0', '1'});
    for (std::size_t i = 5; i <= 314; ++i) // quiz screen block: a recognisable pattern
        old[i] = static_cast<std::uint8_t>(i);
    for (const Move& move : kMoves)
        put(old, move.from, move.bytes);
    put(old, 629,
        {0x0A, 0x00, 0x00, 0x00, 0x14, 0x00, 0x00, 0x00,   // left 10, top 20
         0x2C, 0x01, 0x00, 0x00, 0x96, 0x00, 0x00, 0x00}); // width 300, height 150
    put(old, 645, Bytes(12, 0xEE));                        // not carried over
    old[657] = 0x07;                                       // print
    old[658] = 0x00;                                       // no menu bar
    old[659] = 0x01;                                       // run opening command
    put(old, 767, pstr("PIC.BMP 50"));
    put(old, 883, pstr("EDIT.EXE NOTES.TXT")); // closing command's program field
    put(old, 936, pstr("EDIT.EXE NOTES.TXT MORE"));
    return old;
}

TEST(EarlierSettings, FieldsMoveToTheirCurrentPlaces) {
    const QuizSettings s = ConvertEarlierSettings(earlierRecord());
    expectAt(s, 0, {0x03, '2', '.', '1'});
    for (std::size_t i = 5; i <= 314; ++i)
        ASSERT_EQ(s.bytes()[i], static_cast<std::uint8_t>(i)) << i;
    for (const Move& move : kMoves)
        expectAt(s, move.to, move.bytes);
    expectAt(s, 905, {0x0A, 0x00, 0x00, 0x00, 0x14, 0x00, 0x00, 0x00, 0x2C, 0x01,
                      0x00, 0x00, 0x96, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, // RLTop
                      0x01, 0x00, 0x00, 0x00,                                     // RLLeft
                      0x07,                                                       // print
                      0x00,                                                       // menu bar (930)
                      0x01}); // opening flag (931)
    // Command lines get commas for their blanks, the closing program field too.
    expectAt(s, 1741, pstr("PIC.BMP,50"));
    expectAt(s, 1943 + 606, pstr("EDIT.EXE,NOTES.TXT"));
    expectAt(s, 1943 + 809, pstr("EDIT.EXE,NOTES.TXT MORE"));
    expectAt(s, 4050, {0x01, 0x00, 0x00, 0x00, 0xC0, 0xC0, 0xC0, 0x00, 0x00});
    expectAt(s, 4209, {0x00});
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
