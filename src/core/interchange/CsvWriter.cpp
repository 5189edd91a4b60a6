#include "core/interchange/CsvTable.h"
#include "core/interchange/QuizExport.h"

namespace tavrin::interchange {
namespace {

std::vector<std::string> ColumnsOf(QuizKind kind) {
    std::vector<std::string> columns;
    for (const std::string& column : CsvColumns()) {
        const bool wrong = column.rfind("Wrong", 0) == 0;
        const bool match = column.rfind("Match", 0) == 0;
        if ((wrong && kind != QuizKind::MC) || (match && kind != QuizKind::TI) ||
            (column == "Preview" && kind == QuizKind::QA))
            continue;
        columns.push_back(column);
    }
    return columns;
}

std::string Cell(const Question& q, QuizKind kind, const std::string& column) {
    const auto answer = [&](std::size_t i) {
        return i < q.answers.size() ? q.answers[i].text : std::string();
    };
    if (column == "Name")
        return q.name;
    if (column == "Question")
        return q.text;
    if (column == "Answer")
        return kind == QuizKind::TI ? q.displayedAnswer.value_or(answer(0)) : answer(0);
    if (column == "Preview")
        return q.previewEntry.value_or("");
    if (column == "Information")
        return q.generalFeedback;
    const std::size_t k = static_cast<std::size_t>(std::stoi(column.substr(6)));
    return column.rfind("Wrong", 0) == 0 ? answer(k) : answer(k - 1);
}

} // namespace

std::string WriteCsv(const std::vector<Question>& questions, QuizKind kind) {
    const std::vector<std::string> columns = ColumnsOf(kind);
    std::string out = "\xEF\xBB\xBF";
    for (std::size_t i = 0; i < columns.size(); ++i)
        out += (i ? "," : "") + columns[i];
    out += "\r\n";
    for (const Question& q : questions) {
        for (std::size_t i = 0; i < columns.size(); ++i)
            out += (i ? "," : "") + CsvField(Cell(q, kind, columns[i]));
        out += "\r\n";
    }
    return out;
}

} // namespace tavrin::interchange
