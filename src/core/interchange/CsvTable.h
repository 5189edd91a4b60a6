#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/interchange/InterchangeQuestion.h"

namespace tavrin::interchange {

// The columns of our CSV question table, as its header row names them (any
// order, case ignored; only "Question" and "Answer" are required):
// Name, Question, Answer, Wrong 1..Wrong 5, Match 1..Match 9, Preview,
// Information. A row with wrong answers is a multiple-choice question, one
// with matches a short-answer question whose Answer is the answer displayed,
// any other row a question with one answer.
std::vector<std::string> CsvColumns();

// One row of RFC 4180 text, with the line it starts on.
struct CsvRow {
    std::size_t line = 0;
    std::vector<std::string> fields;
};

// Splits RFC 4180 text (fields separated by commas, quoted with "" for a
// quote inside, records ended by CR LF or LF; a quoted field may hold line
// breaks). An unclosed quote is a FormatError naming its line.
std::vector<CsvRow> SplitCsv(std::string_view text);

// One field quoted when it needs to be.
std::string CsvField(std::string_view text);

// Reads our CSV question table (UTF-8). A header without the required
// columns, or naming an unknown one, is a FormatError.
ReadResult ReadCsv(std::string_view text);

} // namespace tavrin::interchange
