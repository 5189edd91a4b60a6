#include "core/interchange/InterchangeText.h"
#include "core/interchange/QuizExport.h"

namespace tavrin::interchange {
namespace {

// Every character GIFT gives a meaning is escaped and line breaks become \n;
// & and < are written as entities so the text never reads as HTML.
std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (const char c : text) {
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        if (c == '&' || c == '<') {
            out += c == '&' ? "&amp;" : "&lt;";
            continue;
        }
        if (c == '~' || c == '=' || c == '#' || c == '{' || c == '}' || c == ':' || c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

} // namespace

std::string WriteGift(const std::vector<Question>& questions) {
    std::string out = "// Questions exported from Tavrin\r\n\r\n";
    for (const Question& q : questions) {
        if (!q.name.empty())
            out += "::" + Escaped(q.name) + "::";
        out += Escaped(q.text) + " {";
        for (const Answer& a : q.answers) {
            out += a.credit == 100 ? " =" : " ~";
            if (a.credit != 100 && a.credit != 0)
                out += "%" + FormatNumber(a.credit) + "%";
            out += Escaped(a.text);
        }
        if (!q.generalFeedback.empty())
            out += " ####" + Escaped(q.generalFeedback);
        out += " }\r\n\r\n";
    }
    return out;
}

} // namespace tavrin::interchange
