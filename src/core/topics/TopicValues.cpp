#include "core/topics/TopicValues.h"

#include "core/bytes/FileError.h"
#include "core/files/SharedRoutines.h"
#include "core/topics/TopicColours.h"

namespace tavrin::topicvalue {
namespace {

// Keeps error messages readable when a damaged line is very long or binary.
std::string Shown(std::string_view text) {
    constexpr std::size_t kShownLength = 40;
    std::string shown;
    for (char c : text.substr(0, kShownLength))
        shown += (static_cast<unsigned char>(c) < 0x20) ? '?' : c;
    if (text.size() > kShownLength)
        shown += "...";
    return shown;
}

} // namespace

std::string_view AfterEquals(std::string_view line) {
    const auto equals = line.find('=');
    return equals == std::string_view::npos ? line : line.substr(equals + 1);
}

std::string_view AfterSeventh(std::string_view line) {
    return line.size() > 7 ? line.substr(7) : std::string_view();
}

std::string IntegerText(std::int32_t value) {
    return std::to_string(value);
}

std::int32_t ParseInteger(std::string_view text, std::string_view field) {
    if (auto value = ParseWholeNumber(text))
        return *value;
    throw FormatError("'" + Shown(text) + "' is not a valid integer value for " +
                      std::string(field));
}

std::string_view BooleanText(bool value) {
    return value ? "true" : "false";
}

bool ParseBoolean(std::string_view text) {
    return text.find("true") != std::string_view::npos;
}

std::uint32_t ParseColour(std::string_view text, std::string_view field) {
    if (auto colour = TextToColour(text))
        return *colour;
    throw FormatError("'" + Shown(text) + "' is not a valid colour for " + std::string(field));
}

void RequireSingleLine(std::string_view text, std::string_view what) {
    if (text.find_first_of("\r\n") != std::string_view::npos)
        throw FormatError("the " + std::string(what) + " must not contain a line break");
}

} // namespace tavrin::topicvalue
