#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::cli {

// What `inspect` prints: named fields, grouped in objects and lists, shown
// either as "path.to.field = value" lines or as JSON. Text values are
// single-byte quiz text and are shown converted to UTF-8.
class Report {
public:
    Report& text(std::string_view name, std::string_view value);
    Report& number(std::string_view name, std::int64_t value);
    Report& flag(std::string_view name, bool value);
    Report& colour(std::string_view name, std::uint32_t value);
    // A child object or list, filled through the returned reference; it stays
    // valid until the next child is added to this report. The names of a
    // list's elements show only in the text form.
    Report& object(std::string_view name);
    Report& list(std::string_view name);
    // An unnamed element of a list.
    Report& item();

    void printText(std::ostream& out) const;
    void printJson(std::ostream& out) const;

private:
    enum class Kind { Text, Number, Flag, Object, List };
    Report& add(std::string_view name, Kind kind, std::string value);
    void printText(std::ostream& out, const std::string& prefix) const;
    void printJson(std::ostream& out, int indent) const;

    std::string name_;
    Kind kind_ = Kind::Object;
    std::string value_;
    std::vector<Report> children_;
};

} // namespace tavrin::cli
