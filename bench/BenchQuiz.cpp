#include "BenchQuiz.h"

#include <cstdio>
#include <string>

#include "core/files/FileIO.h"
#include "core/questions/TTMRecord.h"
#include "core/settings/QuizSettings.h"

namespace tavrin::bench {
namespace fs = std::filesystem;
namespace {

std::string richText(int bytes, int seed) {
    std::string text = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\r\n";
    const std::string line = "\\f0\\fs20 The river carries silt to the delta, topic " +
                             std::to_string(seed) + ", and \\b floods\\b0  each spring.\\par\r\n";
    while (static_cast<int>(text.size()) < bytes)
        text += line;
    return text + "}\r\n";
}

std::string displayTopic(const std::string& name, int seed, int bytes) {
    return "[" + name +
           "]\r\nsource=HYPER\r\ntype=1\r\ndisplaytype=1\r\nfullscreen=false\r\n"
           "Sbackcolor=clSilver\r\nSGraphic=\r\nSWallpaper=\r\nVPBack=clWhite\r\nVPLeft=120\r\n"
           "VPTop=80\r\nVPWidth=400\r\nVPHeight=200\r\nRLTop=1\r\nRLLeft=1\r\nprint=false\r\n"
           "text=\r\n" +
           richText(bytes, seed) + "]\r\n\r\n";
}

std::string commandTopic(const std::string& name, const std::string& media) {
    return "[" + name + "]\r\nsource=HYPER\r\ntype=2\r\ncommand=" + media + ",50\r\n]\r\n\r\n";
}

} // namespace

std::string BenchMediaName(int index) {
    char name[32];
    std::snprintf(name, sizeof name, "media%03d.bmp", index);
    return name;
}

std::string BenchTopicName(int index) {
    char name[16];
    std::snprintf(name, sizeof name, "Q%05d", index);
    return name;
}

QuizFileSet WriteBenchQuiz(const fs::path& folder, const BenchQuizShape& shape) {
    fs::create_directories(folder);
    const auto files = QuizFileSet::named(folder, QuizKind::TI, "BENCH.TIJ");
    QuizSettings settings;
    InitQuizSettings(settings);
    SaveQuizSettings(folder / files.quizFile, settings);

    // Written piece by piece, so that the benchmark's own memory stays small
    // beside the processes it measures.
    AtomicFileWriter records(folder / files.questionFile, DiskSync::kNoSync);
    for (int i = 0; i < shape.questions; ++i) {
        TTMRecord record;
        record.setIdentifier(BenchTopicName(i));
        record.setQuestionLine(1, "Which river flows through question " + std::to_string(i) + "?");
        record.setCorrectAnswer("The river " + std::to_string(i));
        record.setMatch(1, "river");
        record.setPreviewEntry("Question " + std::to_string(i));
        record.setHasInformation(i < shape.topics);
        records.write(record.bytes().data(), record.bytes().size());
    }
    records.commit();

    AtomicFileWriter topics(folder / files.topicFile, DiskSync::kNoSync);
    int mediaIndex = 0;
    for (int i = 0; i < shape.topics; ++i) {
        if (i % 2 == 0) {
            topics.write(displayTopic(BenchTopicName(i), i, shape.richTextBytes));
        } else {
            topics.write(commandTopic(BenchTopicName(i), BenchMediaName(mediaIndex)));
            mediaIndex = (mediaIndex + 1) % shape.mediaFiles;
        }
    }
    topics.commit();

    const std::string media(static_cast<std::size_t>(shape.mediaBytes), 'm');
    for (int i = 0; i < shape.mediaFiles; ++i)
        WriteFileAtomically(folder / BenchMediaName(i), media);
    return files;
}

} // namespace tavrin::bench
