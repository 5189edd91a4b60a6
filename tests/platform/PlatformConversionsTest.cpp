#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/PlatformConversions.h"

namespace tavrin {
namespace {

TEST(ColourValues, RedIsTheLowByteAndSystemCodesReadAsBlack) {
    EXPECT_EQ(ColourFromValue(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ColourFromValue(0x804020), QColor(0x20, 0x40, 0x80));
    EXPECT_EQ(ValueFromColour(QColor(0x20, 0x40, 0x80)), 0x804020u);
    EXPECT_EQ(ColourFromValue(0x80000005), QColor(Qt::black));
}

TEST(FontConversion, StyleBitsSizeAndFaceSurviveTheRoundTripWithTheCallersColour) {
    for (std::uint8_t style = 0; style < 16; ++style) {
        const FontSpec spec{14, 0x00FF00, style, "Times New Roman"};
        const QFont font = FontFromSpec(spec);
        EXPECT_EQ(font.pointSize(), 14);
        EXPECT_EQ(font.family(), "Times New Roman");
        EXPECT_EQ(SpecFromFont(font, spec.colour), spec) << "style " << int(style);
    }
}

TEST(ProgramAndArguments, FindsAProgramInTheWorkingFolderInAnyCaseElseOnThePath) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile tool(folder.filePath("Tool.sh"));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.close();
    EXPECT_EQ(ProgramAndArguments("TOOL.SH \"a b\" c", folder.path()),
              (QStringList{folder.filePath("Tool.sh"), "a b", "c"}));
    EXPECT_EQ(ProgramAndArguments("sh -c \"exit 3\"", folder.path()),
              (QStringList{"sh", "-c", "exit 3"}));
    EXPECT_EQ(ProgramAndArguments("\"/bin/my prog\" x", folder.path()),
              (QStringList{"/bin/my prog", "x"}));
    EXPECT_TRUE(ProgramAndArguments("   ", folder.path()).isEmpty());
}

} // namespace
} // namespace tavrin
