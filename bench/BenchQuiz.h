#pragma once

#include <filesystem>

#include "core/build/CompiledQuizBuilder.h"

namespace tavrin::bench {

struct BenchQuizShape {
    int questions = 5000;
    int topics = 5000; // one per question; every second one a display topic
    int mediaFiles = 200;
    int mediaBytes = 100 * 1024;
    int richTextBytes = 2048; // per display topic
};

// Writes a TI quiz of that shape into `folder`: quiz file, question file,
// topic file and media files, every media file named by some topic.
QuizFileSet WriteBenchQuiz(const std::filesystem::path& folder, const BenchQuizShape& shape);

// The names of the media files, as the topics give them.
std::string BenchMediaName(int index);

// The name of question/topic `index` ("Q00042").
std::string BenchTopicName(int index);

} // namespace tavrin::bench
