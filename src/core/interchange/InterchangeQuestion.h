#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tavrin::interchange {

// What a question was in the file it came from. Readers name every type they
// meet; the mapping onto a quiz decides which ones fit.
enum class QuestionType {
    MultipleChoice,
    TrueFalse,
    ShortAnswer,
    Numerical,
    Matching,
    Essay,
    Description,
    Cloze,
    Other, // any other type a learning platform knows (named in `typeName`)
};

struct Answer {
    std::string text;     // plain UTF-8
    double credit = 0;    // percent of the question's marks, 100 for a right answer
    std::string feedback; // shown for this answer; no place in a quiz record
    double tolerance = 0; // numerical answers: accepted error either side
};

struct Pair {
    std::string question;
    std::string answer;
};

// A file that a question carries with it (Moodle XML embeds them in base64).
struct MediaFile {
    std::string name; // as given in the file, UTF-8
    std::string bytes;
};

// One question as read from an interchange file: plain UTF-8 text whose line
// breaks are '\n', entities decoded and markup removed. A missing word stands
// in the text as "_____".
struct Question {
    QuestionType type = QuestionType::Other;
    std::string typeName; // for Other: the type as the file names it
    std::string where;    // "line 12" or "question 3", for the report
    std::string name;     // may be empty
    std::string text;
    std::vector<Answer> answers;
    std::vector<Pair> pairs; // matching questions
    std::string generalFeedback;
    std::vector<MediaFile> media;
    // Fields only our own CSV carries, so a quiz exported there comes back whole.
    std::optional<std::string> displayedAnswer;
    std::optional<std::string> previewEntry;
    // Set when the reader could not make sense of the question: why.
    std::string problem;
};

// What a reader found: the questions in file order and notes about the file
// as a whole (the encoding it was read in, say).
struct ReadResult {
    std::vector<Question> questions;
    std::vector<std::string> notes;
};

} // namespace tavrin::interchange
