// Feeds arbitrary bytes to the readers of compiled and executable quizzes:
// whatever the data, they must either refuse it with FormatError or hand out
// views that lie inside it.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/build/CompiledQuiz.h"
#include "core/build/ExecutableQuiz.h"
#include "core/bytes/FileError.h"

namespace {

void touchEveryPart(const tavrin::CompiledQuiz& quiz) {
    volatile std::uint8_t sink = 0;
    for (auto byte : quiz.settingsBytes())
        sink = sink ^ byte;
    for (auto byte : quiz.topicBlock())
        sink = sink ^ byte;
    for (std::size_t i = 0; i < quiz.questionCount(); ++i) {
        const auto record = quiz.questionRecord(i);
        sink = sink ^ record.front() ^ record.back();
    }
}

void parse(std::vector<std::uint8_t> data) {
    try {
        touchEveryPart(tavrin::CompiledQuiz(std::move(data)));
    } catch (const tavrin::FormatError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    parse(std::vector<std::uint8_t>(input.begin(), input.end()));
    // The same bytes as directory and body behind a blank settings record, so
    // that most inputs reach the checks of the directory's fields.
    std::vector<std::uint8_t> framed(tavrin::kCompiledSettingsSize, 0);
    framed.insert(framed.end(), input.begin(), input.end());
    parse(std::move(framed));
    try {
        const auto stubLength = tavrin::StubImageLength(input);
        touchEveryPart(tavrin::LocateAppendedQuiz(input, stubLength));
    } catch (const tavrin::FormatError&) {
    }
    return 0;
}
