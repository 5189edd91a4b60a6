#include "core/interchange/AikenReader.h"

#include "core/interchange/InterchangeText.h"

namespace tavrin::interchange {
namespace {

// "A. text" or "A) text": the letter's index and the text.
std::optional<std::pair<int, std::string_view>> ChoiceLine(std::string_view line) {
    if (line.size() < 3 || line[0] < 'A' || line[0] > 'Z' || (line[1] != '.' && line[1] != ')') ||
        (line[2] != ' ' && line[2] != '\t'))
        return std::nullopt;
    return std::make_pair(line[0] - 'A', Trim(line.substr(3)));
}

std::optional<int> AnswerLine(std::string_view line) {
    if (line.substr(0, 7) != "ANSWER:")
        return std::nullopt;
    const std::string_view letter = Trim(line.substr(7));
    if (letter.size() != 1 || letter[0] < 'A' || letter[0] > 'Z')
        return -1;
    return letter[0] - 'A';
}

class AikenParser {
public:
    void line(std::string_view line, std::size_t number) {
        line = Trim(line);
        if (line.empty())
            return;
        if (const auto answer = AnswerLine(line)) {
            if (open_.text.empty())
                open_.where = "line " + std::to_string(number);
            finish(*answer);
            return;
        }
        if (const auto choice = ChoiceLine(line); choice && !open_.text.empty()) {
            if (choice->first != static_cast<int>(open_.answers.size()))
                open_.problem = "choice " + std::string(1, line[0]) + " is out of order";
            open_.answers.push_back(Answer{std::string(choice->second), 0, {}, 0});
            return;
        }
        if (!open_.answers.empty()) {
            open_.problem = "no ANSWER line after the choices";
            finish(std::nullopt);
        }
        if (open_.text.empty()) {
            open_.where = "line " + std::to_string(number);
            open_.type = QuestionType::MultipleChoice;
            open_.text = std::string(line);
        } else {
            open_.text += "\n" + std::string(line);
        }
    }

    ReadResult end() {
        if (!open_.text.empty()) {
            open_.problem = "no ANSWER line after the choices";
            finish(std::nullopt);
        }
        return std::move(result_);
    }

private:
    void finish(std::optional<int> answer) {
        if (answer && (*answer < 0 || *answer >= static_cast<int>(open_.answers.size())))
            open_.problem = "the ANSWER line names no choice of the question";
        else if (answer)
            open_.answers[static_cast<std::size_t>(*answer)].credit = 100;
        if (open_.text.empty())
            open_.problem = "an ANSWER line without a question";
        result_.questions.push_back(std::move(open_));
        open_ = Question{};
    }

    Question open_;
    ReadResult result_;
};

} // namespace

ReadResult ReadAiken(std::string_view text) {
    AikenParser parser;
    std::size_t number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        parser.line(text.substr(start, end - start), ++number);
        start = end + 1;
    }
    return parser.end();
}

} // namespace tavrin::interchange
