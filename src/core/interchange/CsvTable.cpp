#include "core/interchange/CsvTable.h"

#include <algorithm>
#include <map>

#include "core/bytes/FileError.h"
#include "core/files/FolderNames.h"
#include "core/interchange/InterchangeText.h"

namespace tavrin::interchange {
namespace {

class CsvSplitter {
public:
    explicit CsvSplitter(std::string_view text) : text_(text) {}

    std::vector<CsvRow> rows() {
        std::vector<CsvRow> rows;
        while (pos_ < text_.size()) {
            CsvRow row;
            row.line = line_;
            readRow(row.fields);
            if (!(row.fields.size() == 1 && row.fields[0].empty()))
                rows.push_back(std::move(row));
        }
        return rows;
    }

private:
    void readRow(std::vector<std::string>& fields) {
        while (true) {
            fields.push_back(readField());
            if (pos_ >= text_.size())
                return;
            const char c = text_[pos_++];
            if (c == '\n') {
                ++line_;
                return;
            }
            if (c == '\r') {
                if (pos_ < text_.size() && text_[pos_] == '\n')
                    ++pos_;
                ++line_;
                return;
            }
        }
    }

    std::string readField() {
        std::string field;
        if (pos_ < text_.size() && text_[pos_] == '"') {
            const std::size_t startLine = line_;
            ++pos_;
            while (true) {
                const std::size_t quote = text_.find('"', pos_);
                if (quote == std::string_view::npos)
                    throw FormatError("the quoted field that starts on line " +
                                      std::to_string(startLine) + " is not closed");
                const std::string_view part = text_.substr(pos_, quote - pos_);
                line_ += static_cast<std::size_t>(std::count(part.begin(), part.end(), '\n'));
                field += part;
                pos_ = quote + 1;
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    field += '"';
                    ++pos_;
                    continue;
                }
                break;
            }
        }
        while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\n' &&
               text_[pos_] != '\r')
            field += text_[pos_++];
        return field;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
};

// Line breaks inside a cell become '\n'.
std::string CellText(std::string_view cell) {
    std::string out;
    for (std::size_t i = 0; i < cell.size(); ++i) {
        if (cell[i] == '\r') {
            out += '\n';
            if (i + 1 < cell.size() && cell[i + 1] == '\n')
                ++i;
        } else {
            out += cell[i];
        }
    }
    return std::string(Trim(out));
}

Question QuestionFromRow(const CsvRow& row, const std::map<std::string, std::size_t>& columns,
                         std::size_t headerSize) {
    Question q;
    q.where = "line " + std::to_string(row.line);
    if (row.fields.size() != headerSize) {
        q.problem = "it has " + std::to_string(row.fields.size()) +
                    " fields where the header names " + std::to_string(headerSize);
        return q;
    }
    const auto cell = [&](const std::string& column) -> std::string {
        const auto found = columns.find(UpperAscii(column));
        return found == columns.end() ? std::string() : CellText(row.fields[found->second]);
    };
    q.name = cell("Name");
    q.text = cell("Question");
    q.generalFeedback = cell("Information");
    if (columns.count("PREVIEW"))
        q.previewEntry = cell("Preview");
    const std::string answer = cell("Answer");
    std::vector<std::string> wrong;
    std::vector<std::string> matches;
    for (int k = 1; k <= 5; ++k)
        if (const std::string w = cell("Wrong " + std::to_string(k)); !w.empty())
            wrong.push_back(w);
    for (int k = 1; k <= 9; ++k)
        if (const std::string m = cell("Match " + std::to_string(k)); !m.empty())
            matches.push_back(m);
    if (!wrong.empty() && !matches.empty()) {
        q.problem = "it has both wrong answers and matches";
        return q;
    }
    if (!wrong.empty()) {
        q.type = QuestionType::MultipleChoice;
        q.answers.push_back(Answer{answer, 100, {}, 0});
        for (const auto& w : wrong)
            q.answers.push_back(Answer{w, 0, {}, 0});
        return q;
    }
    q.type = QuestionType::ShortAnswer;
    if (matches.empty()) {
        q.answers.push_back(Answer{answer, 100, {}, 0});
        return q;
    }
    q.displayedAnswer = answer;
    for (const auto& m : matches)
        q.answers.push_back(Answer{m, 100, {}, 0});
    return q;
}

} // namespace

std::vector<std::string> CsvColumns() {
    std::vector<std::string> columns = {"Name", "Question", "Answer"};
    for (int k = 1; k <= 5; ++k)
        columns.push_back("Wrong " + std::to_string(k));
    for (int k = 1; k <= 9; ++k)
        columns.push_back("Match " + std::to_string(k));
    columns.push_back("Preview");
    columns.push_back("Information");
    return columns;
}

std::vector<CsvRow> SplitCsv(std::string_view text) {
    return CsvSplitter(text).rows();
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos && Trim(text) == text)
        return std::string(text);
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c == '\n' ? "\r\n" : std::string(1, c);
    }
    return out + "\"";
}

ReadResult ReadCsv(std::string_view text) {
    const std::vector<CsvRow> rows = SplitCsv(text);
    if (rows.empty())
        throw FormatError("it holds no rows");
    std::map<std::string, std::size_t> columns;
    std::map<std::string, bool> known;
    for (const auto& name : CsvColumns())
        known[UpperAscii(name)] = true;
    for (std::size_t i = 0; i < rows[0].fields.size(); ++i) {
        const std::string name = UpperAscii(Trim(rows[0].fields[i]));
        if (!known.count(name))
            throw FormatError("its first row must name the columns, and \"" +
                              std::string(Trim(rows[0].fields[i])) + "\" is not one of them");
        if (!columns.emplace(name, i).second)
            throw FormatError("its first row names the column \"" + name + "\" twice");
    }
    if (!columns.count("QUESTION") || !columns.count("ANSWER"))
        throw FormatError("its first row must name at least the columns Question and Answer");
    ReadResult result;
    for (std::size_t r = 1; r < rows.size(); ++r)
        result.questions.push_back(QuestionFromRow(rows[r], columns, rows[0].fields.size()));
    return result;
}

} // namespace tavrin::interchange
