#include <QFile>
#include <QGuiApplication>
#include <QPalette>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/topics/TopicColours.h"
#include "platform/PlatformConversions.h"

namespace tavrin {
namespace {

TEST(ColourValues, RedIsTheLowByteAndSystemColoursAreTheDesktopsOwn) {
    EXPECT_EQ(ColourFromValue(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ColourFromValue(0x804020), QColor(0x20, 0x40, 0x80));
    EXPECT_EQ(ValueFromColour(QColor(0x20, 0x40, 0x80)), 0x804020u);

    const QPalette desktop = QGuiApplication::palette();
    const struct {
        const char* identifier;
        QColor shown;
    } systemColours[] = {
        {"clWindow", Qt::white},
        {"clWindowText", Qt::black},
        {"clBtnFace", desktop.color(QPalette::Button)},
        {"clBtnShadow", desktop.color(QPalette::Dark)},
        {"clBtnText", desktop.color(QPalette::ButtonText)},
        {"clHighlight", desktop.color(QPalette::Highlight)},
        {"clGrayText", desktop.color(QPalette::Disabled, QPalette::Text)},
        {"clInfoBk", desktop.color(QPalette::ToolTipBase)},
        {"clNone", Qt::white}, // no system flag: the low bytes are the colour
    };
    for (const auto& colour : systemColours) {
        const auto value = TextToColour(colour.identifier);
        ASSERT_TRUE(value.has_value()) << colour.identifier;
        EXPECT_EQ(ColourFromValue(*value), colour.shown) << colour.identifier;
    }
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
