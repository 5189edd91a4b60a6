#pragma once

#include <string>

#include "core/interchange/InterchangeQuestion.h"
#include "core/interchange/InterchangeText.h"

namespace tavrin::interchange {

// A question in one line, for tables of expected readings:
// "TYPE name|text|=right ~wrong ~%50%partial #feedback|pairs a->b|####general".
inline std::string Summary(const Question& q) {
    if (!q.problem.empty())
        return "PROBLEM " + q.problem;
    static const char* types[] = {"MC",    "TF",   "SA",    "NUM",  "MATCH",
                                  "ESSAY", "DESC", "CLOZE", "OTHER"};
    std::string out =
        std::string(types[static_cast<int>(q.type)]) + " " + q.name + "|" + q.text + "|";
    for (const Answer& a : q.answers) {
        out += a.credit == 100 ? "=" : "~";
        if (a.credit != 100 && a.credit != 0)
            out += "%" + FormatNumber(a.credit) + "%";
        out += a.text;
        if (a.tolerance != 0)
            out += ":" + FormatNumber(a.tolerance);
        if (!a.feedback.empty())
            out += "#" + a.feedback;
        out += " ";
    }
    for (const Pair& p : q.pairs)
        out += p.question + "->" + p.answer + " ";
    if (!q.generalFeedback.empty())
        out += "####" + q.generalFeedback;
    return out;
}

} // namespace tavrin::interchange
