#include "ExampleQuizzes.h"

#include "ExampleMedia.h"
#include "core/files/SharedRoutines.h"
#include "core/questions/QuestionFile.h"
#include "core/questions/QuizKind.h"
#include "core/questions/TQARecord.h"
#include "core/questions/TTMRecord.h"
#include "core/settings/QuizSettings.h"
#include "core/settings/ViewPortDesign.h"
#include "core/topics/TopicFile.h"

#include <string>
#include <vector>

namespace tavrin::examples {

namespace {

namespace fs = std::filesystem;

constexpr const char* kSource = "HYPER";
constexpr int kTextTopic = 1;
constexpr int kGraphicTopic = 2;
constexpr int kSoundTopic = 3;
constexpr int kMidiTopic = 8;

struct QuizFiles {
    fs::path folder;
    fs::path quizFile;
    fs::path questionFile;
    fs::path topicFile;
};

// Starts an empty quiz folder holding the quiz file with the default settings.
QuizFiles StartQuiz(const fs::path& root, const std::string& name, QuizKind kind,
                    const std::string& title) {
    QuizFiles files;
    files.folder = root / name;
    fs::remove_all(files.folder);
    fs::create_directories(files.folder);
    const QuizExtensions& ext = ExtensionsOf(kind);
    files.quizFile = files.folder / (name + ext.quiz);
    files.questionFile = files.folder / (name + ext.questions);
    files.topicFile = files.folder / (name + ext.topics);
    QuizSettings settings;
    InitQuizSettings(settings);
    settings.setUseTitleBar(true);
    settings.setTitleBarText(title);
    SaveQuizSettings(files.quizFile, settings);
    return files;
}

struct QAPair {
    const char* id;
    const char* question;
    const char* answer;
};

void WriteSolarSystem(const fs::path& root) {
    const QuizFiles files = StartQuiz(root, "SOLAR", QuizKind::QA, "The Solar System");
    const QAPair pairs[] = {
        {"MERCURY", "Which planet is closest to the Sun?", "Mercury"},
        {"VENUS", "Which planet has the hottest surface?", "Venus"},
        {"EARTH", "Which planet is the only one known to carry life?", "Earth"},
        {"MARS", "Which planet is known as the Red Planet?", "Mars"},
        {"JUPITER", "Which is the largest planet?", "Jupiter"},
        {"SATURN", "Which planet has the broadest, brightest rings?", "Saturn"},
        {"URANUS", "Which planet rolls around the Sun on its side?", "Uranus"},
        {"NEPTUNE", "Which planet is farthest from the Sun?", "Neptune"},
        {"SUN", "What is the star at the centre of the Solar System?", "The Sun"},
        {"YEAR", "How long does the Earth take to travel once around the Sun?", "About 365 days"}};
    QuestionFile questions(files.questionFile, QuizKind::QA);
    for (const QAPair& pair : pairs) {
        TQARecord record;
        record.setIdentifier(pair.id);
        record.setQuestion(pair.question);
        record.setAnswer(pair.answer);
        const std::string id = pair.id;
        record.setHasInformation(id == "SATURN" || id == "EARTH");
        questions.WriteQuestion(QuestionFile::kAppend, record);
    }
    WriteBytes(files.folder / "SATURN.BMP", EncodeBmp(DrawSaturn()));
    AppendCommandTopic(files.topicFile, "SATURN", kGraphicTopic, "SATURN.BMP,50", kSource);
    const std::vector<std::string> earth = {
        R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}})",
        R"({\colortbl;\red0\green0\blue128;\red0\green128\blue0;})",
        R"(\pard\qc\f0\fs32\b\cf1 The Earth\b0\cf0\par)",
        R"(\pard\ql\f1\fs24 The Earth is the third planet from the Sun. It is the only)",
        R"(planet known to carry \cf2\i life\i0\cf0 : liquid water covers about seven)",
        R"(tenths of its surface, and its air holds the oxygen that animals breathe.\par)",
        R"(\par One day is one turn of the Earth; one year is one trip around the Sun.\par)",
        "}"};
    AppendDisplayTopic(files.topicFile, "EARTH", kTextTopic, DefaultViewPortDesign(), earth,
                       kSource);
}

struct TIQuestion {
    const char* id;
    const char* line1;
    const char* answer;
    std::vector<const char*> matches;
};

void WriteCapitals(const fs::path& root) {
    const QuizFiles files = StartQuiz(root, "CAPITALS", QuizKind::TI, "Capitals of Europe");
    const TIQuestion items[] = {
        {"FRANCE", "What is the capital of France?", "Paris", {"Paris"}},
        {"GERMANY", "What is the capital of Germany?", "Berlin", {"Berlin"}},
        {"ITALY", "What is the capital of Italy?", "Rome", {"Rome", "Roma"}},
        {"SPAIN", "What is the capital of Spain?", "Madrid", {"Madrid"}},
        {"PORTUGAL", "What is the capital of Portugal?", "Lisbon", {"Lisbon", "Lisboa"}},
        {"NETHERLANDS", "What is the capital of the Netherlands?", "Amsterdam", {"Amsterdam"}},
        {"NORWAY", "What is the capital of Norway?", "Oslo", {"Oslo"}},
        {"POLAND", "What is the capital of Poland?", "Warsaw", {"Warsaw", "Warszawa"}},
        {"GREECE", "What is the capital of Greece?", "Athens", {"Athens", "Athina"}},
        {"AUSTRIA", "What is the capital of Austria?", "Vienna", {"Vienna", "Wien"}}};
    QuestionFile questions(files.questionFile, QuizKind::TI);
    for (const TIQuestion& item : items) {
        TTMRecord record;
        record.setIdentifier(item.id);
        record.setQuestionLine(1, item.line1);
        record.setQuestionLine(2, "Type the name of the city.");
        record.setCorrectAnswer(item.answer);
        int slot = 0;
        for (const char* match : item.matches)
            record.setMatch(++slot, match);
        record.setPreviewEntry(std::string("Capital of ") + item.id);
        record.setHasInformation(std::string(item.id) == "FRANCE");
        questions.WriteQuestion(QuestionFile::kAppend, record);
    }
    WriteBytes(files.folder / "FRANCE.JPG", EncodeJpeg(DrawTricolour(), 85));
    AppendCommandTopic(files.topicFile, "FRANCE", kGraphicTopic, "FRANCE.JPG,0", kSource);
}

struct MCQuestion {
    const char* id;
    const char* line1;
    const char* correct;
    std::vector<const char*> wrong;
};

void WriteMusic(const fs::path& root) {
    const QuizFiles files = StartQuiz(root, "MUSIC", QuizKind::MC, "Music Basics");
    const MCQuestion items[] = {
        {"PITCH",
         "Which frequency is concert A, the note an orchestra tunes to?",
         "440 Hz",
         {"256 Hz", "523 Hz", "100 Hz"}},
        {"SCALE",
         "How many different notes does a major scale have before the octave?",
         "Seven",
         {"Five", "Eight", "Twelve"}},
        {"GUITAR",
         "How many strings does a standard guitar have?",
         "Six",
         {"Four", "Five", "Seven"}},
        {"PIANO", "How many keys does a standard piano have?", "88", {"76", "61", "100"}},
        {"ALLEGRO",
         "What does the tempo marking Allegro ask for?",
         "Fast and lively",
         {"Slow and stately", "Very soft", "Gradually louder"}},
        {"FORTE",
         "What does the marking f (forte) tell a player?",
         "Play loudly",
         {"Play softly", "Play faster", "Repeat the bar"}},
        {"CLEF",
         "Which clef is normally used for the right hand in piano music?",
         "Treble clef",
         {"Bass clef", "Alto clef", "Tenor clef"}},
        {"QUARTET", "How many players make up a string quartet?", "Four", {"Two", "Three", "Five"}},
        {"WOODWIND",
         "Which of these is a woodwind instrument?",
         "Clarinet",
         {"Trumpet", "Violin", "Timpani"}},
        {"WHOLENOTE",
         "How many beats does a whole note last in 4/4 time?",
         "Four",
         {"One", "Two", "Eight"}}};
    QuestionFile questions(files.questionFile, QuizKind::MC);
    for (const MCQuestion& item : items) {
        TTMRecord record;
        record.setIdentifier(item.id);
        record.setQuestionLine(1, item.line1);
        record.setCorrectAnswer(item.correct);
        int slot = 0;
        for (const char* wrong : item.wrong)
            record.setWrongAnswer(++slot, wrong);
        record.setPreviewEntry(item.line1);
        const std::string id = item.id;
        record.setHasInformation(id == "PITCH" || id == "SCALE");
        questions.WriteQuestion(QuestionFile::kAppend, record);
    }
    WriteBytes(files.folder / "A440.WAV", EncodeToneWav(440.0, 2.0, 22050));
    AppendCommandTopic(files.topicFile, "PITCH", kSoundTopic, "A440.WAV", kSource);
    WriteBytes(files.folder / "SCALE.MID", EncodeMidi(MajorScale(60), 120));
    AppendCommandTopic(files.topicFile, "SCALE", kMidiTopic, "SCALE.MID", kSource);
}

} // namespace

void WriteExampleQuizzes(const fs::path& root) {
    fs::create_directories(root);
    WriteSolarSystem(root);
    WriteCapitals(root);
    WriteMusic(root);
}

} // namespace tavrin::examples
