#include "cli/Report.h"

#include <cstdio>

#include "core/bytes/Cp1252.h"
#include "core/web/JsonWriter.h"

namespace tavrin::cli {
namespace {

std::string jsonString(std::string_view utf8) {
    JsonWriter writer;
    writer.value(utf8);
    return writer.text();
}

std::string hexColour(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "$%08x", value);
    return text;
}

} // namespace

Report& Report::add(std::string_view name, Kind kind, std::string value) {
    Report child;
    child.name_ = std::string(name);
    child.kind_ = kind;
    child.value_ = std::move(value);
    children_.push_back(std::move(child));
    return children_.back();
}

Report& Report::text(std::string_view name, std::string_view value) {
    add(name, Kind::Text, cp1252::toUtf8(value));
    return *this;
}

Report& Report::number(std::string_view name, std::int64_t value) {
    add(name, Kind::Number, std::to_string(value));
    return *this;
}

Report& Report::flag(std::string_view name, bool value) {
    add(name, Kind::Flag, value ? "true" : "false");
    return *this;
}

Report& Report::colour(std::string_view name, std::uint32_t value) {
    add(name, Kind::Text, hexColour(value));
    return *this;
}

Report& Report::object(std::string_view name) {
    return add(name, Kind::Object, {});
}
Report& Report::list(std::string_view name) {
    return add(name, Kind::List, {});
}
Report& Report::item() {
    return add(std::to_string(children_.size()), Kind::Object, {});
}

void Report::printText(std::ostream& out) const {
    printText(out, "");
}

void Report::printText(std::ostream& out, const std::string& prefix) const {
    for (const auto& child : children_) {
        const std::string path = prefix.empty() ? child.name_ : prefix + "." + child.name_;
        if (child.kind_ == Kind::Object || child.kind_ == Kind::List) {
            if (child.children_.empty())
                out << path << (child.kind_ == Kind::List ? " = []" : " = {}") << '\n';
            child.printText(out, path);
        } else if (child.kind_ == Kind::Text) {
            out << path << " = " << jsonString(child.value_) << '\n';
        } else {
            out << path << " = " << child.value_ << '\n';
        }
    }
}

void Report::printJson(std::ostream& out) const {
    printJson(out, 0);
    out << '\n';
}

void Report::printJson(std::ostream& out, int indent) const {
    switch (kind_) {
    case Kind::Text:
        out << jsonString(value_);
        return;
    case Kind::Number:
    case Kind::Flag:
        out << value_;
        return;
    case Kind::Object:
    case Kind::List:
        break;
    }
    const bool isList = kind_ == Kind::List;
    if (children_.empty()) {
        out << (isList ? "[]" : "{}");
        return;
    }
    const std::string inner(static_cast<std::size_t>(indent + 2), ' ');
    out << (isList ? "[" : "{") << '\n';
    for (std::size_t i = 0; i < children_.size(); ++i) {
        out << inner;
        if (!isList)
            out << jsonString(children_[i].name_) << ": ";
        children_[i].printJson(out, indent + 2);
        out << (i + 1 < children_.size() ? ",\n" : "\n");
    }
    out << std::string(static_cast<std::size_t>(indent), ' ') << (isList ? "]" : "}");
}

} // namespace tavrin::cli
