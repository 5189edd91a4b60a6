#include "platform/PlatformConversions.h"

#include "core/bytes/Cp1252.h"

#include <QDir>
#include <QGuiApplication>
#include <QPalette>
#include <filesystem>
#include <iterator>

#include "core/files/CommandLine.h"
#include "core/files/FolderNames.h"

namespace tavrin {

namespace {

constexpr std::uint32_t kSystemColourFlag = 0x80000000u;

struct PaletteColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The palette colour that plays the part of each system colour, by its
// index (clScrollBar 0 to clInfoBk 24).
constexpr PaletteColour kSystemColours[] = {
    {QPalette::Active, QPalette::Button},          // scroll bar
    {QPalette::Active, QPalette::Dark},            // desktop
    {QPalette::Active, QPalette::Highlight},       // active caption
    {QPalette::Active, QPalette::Dark},            // inactive caption
    {QPalette::Active, QPalette::Window},          // menu
    {QPalette::Active, QPalette::Base},            // window
    {QPalette::Active, QPalette::Shadow},          // window frame
    {QPalette::Active, QPalette::WindowText},      // menu text
    {QPalette::Active, QPalette::Text},            // window text
    {QPalette::Active, QPalette::HighlightedText}, // caption text
    {QPalette::Active, QPalette::Button},          // active border
    {QPalette::Active, QPalette::Button},          // inactive border
    {QPalette::Active, QPalette::Dark},            // application work space
    {QPalette::Active, QPalette::Highlight},       // highlight
    {QPalette::Active, QPalette::HighlightedText}, // highlighted text
    {QPalette::Active, QPalette::Button},          // button face
    {QPalette::Active, QPalette::Dark},            // button shadow
    {QPalette::Disabled, QPalette::Text},          // grey text
    {QPalette::Active, QPalette::ButtonText},      // button text
    {QPalette::Active, QPalette::Button},          // inactive caption text
    {QPalette::Active, QPalette::Light},           // button highlight
    {QPalette::Active, QPalette::Shadow},          // 3D dark shadow
    {QPalette::Active, QPalette::Midlight},        // 3D light
    {QPalette::Active, QPalette::ToolTipText},     // info text
    {QPalette::Active, QPalette::ToolTipBase},     // info background
};

QColor SystemColour(std::uint32_t index) {
    const QPalette palette = QGuiApplication::palette();
    if (index >= std::size(kSystemColours))
        return palette.color(QPalette::Active, QPalette::Button);
    const PaletteColour& colour = kSystemColours[index];
    return palette.color(colour.group, colour.role);
}

} // namespace

QColor ColourFromValue(std::uint32_t value) {
    if ((value & kSystemColourFlag) != 0)
        return SystemColour(value & 0xFFu);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

std::uint32_t ValueFromColour(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<std::uint32_t>(rgb.red()) | (static_cast<std::uint32_t>(rgb.green()) << 8) |
           (static_cast<std::uint32_t>(rgb.blue()) << 16);
}

QFont FontFromSpec(const FontSpec& spec) {
    QFont font(QString::fromStdString(spec.name));
    if (spec.size > 0) {
        font.setPointSize(spec.size);
    }
    font.setBold((spec.style & FontSpec::kBold) != 0);
    font.setItalic((spec.style & FontSpec::kItalic) != 0);
    font.setUnderline((spec.style & FontSpec::kUnderline) != 0);
    font.setStrikeOut((spec.style & FontSpec::kStrikeOut) != 0);
    return font;
}

FontSpec SpecFromFont(const QFont& font, std::int32_t colour) {
    FontSpec spec;
    spec.name = font.family().toStdString();
    spec.size = font.pointSize() > 0 ? font.pointSize() : qRound(font.pointSizeF());
    spec.colour = colour;
    spec.style = static_cast<std::uint8_t>((font.bold() ? FontSpec::kBold : 0) |
                                           (font.italic() ? FontSpec::kItalic : 0) |
                                           (font.underline() ? FontSpec::kUnderline : 0) |
                                           (font.strikeOut() ? FontSpec::kStrikeOut : 0));
    return spec;
}

QStringList ProgramAndArguments(const QString& commandLine, const QString& workingFolder) {
    QStringList parts;
    for (const std::string& part : SplitWindowsCommandLine(commandLine.toStdString())) {
        parts << QString::fromStdString(part);
    }
    if (parts.isEmpty() || workingFolder.isEmpty()) {
        return parts;
    }
    const QString program = parts.first();
    const bool absolute = program.startsWith(QLatin1Char('/')) ||
                          program.startsWith(QLatin1Char('\\')) ||
                          (program.size() >= 2 && program[1] == QLatin1Char(':'));
    if (!absolute) {
        const auto found = ResolveDiskFile(std::filesystem::path(workingFolder.toStdString()),
                                           program.toStdString());
        if (found) {
            parts.first() = QString::fromStdString(found->string());
        }
    }
    return parts;
}

QString ShownText(std::string_view stored) {
    return QString::fromStdString(cp1252::toUtf8(stored));
}

std::string StoredText(const QString& shown) {
    return cp1252::fromUtf8(shown.toStdString());
}

} // namespace tavrin
