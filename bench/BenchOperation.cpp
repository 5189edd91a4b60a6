// One single question or topic operation, run as its own process by the
// benchmark so that it is timed as the authoring program does it: from a
// fresh start, reading and rewriting the files on disk.
//
//   tavrin_bench_op delete-question QUESTIONFILE INDEX
//   tavrin_bench_op replace-topic|delete-topic|find-topic TOPICFILE NAME
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "core/questions/QuestionFile.h"
#include "core/settings/ViewPortDesign.h"
#include "core/topics/TopicFile.h"

namespace {

using namespace tavrin;

bool run(const std::string& operation, const std::string& file, const std::string& argument) {
    if (operation == "delete-question") {
        QuestionFile questions(file, QuizKind::TI);
        DeleteQuestion(questions, std::stoul(argument), [](const std::string&) {});
        return true;
    }
    if (operation == "replace-topic")
        return ReplaceDisplayTopic(file, argument, argument, 1, DefaultViewPortDesign(),
                                   {"{\\rtf1 replaced}"}, "HYPER");
    if (operation == "delete-topic")
        return DeleteTopic(file, argument, "HYPER");
    if (operation == "find-topic") {
        std::vector<std::string> lines;
        return FindTopic(file, argument, "HYPER", lines);
    }
    std::fprintf(stderr, "tavrin_bench_op: unknown operation %s\n", operation.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: tavrin_bench_op OPERATION FILE ARGUMENT\n");
        return 2;
    }
    try {
        return run(argv[1], argv[2], argv[3]) ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tavrin_bench_op: %s\n", error.what());
        return 1;
    }
}
