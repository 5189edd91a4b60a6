// The common part of the interchange readers' fuzzers: the bytes as a file's
// text, then every question read mapped onto each quiz kind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/bytes/FileError.h"
#include "core/interchange/InterchangeText.h"
#include "core/interchange/QuestionMapping.h"

namespace tavrin::interchange {

template <typename Reader> int FuzzReader(const std::uint8_t* data, std::size_t size, Reader read) {
    std::vector<std::string> notes;
    try {
        const std::string text =
            DecodeTextFile(std::string(reinterpret_cast<const char*>(data), size), notes);
        const ReadResult result = read(text);
        for (const QuizKind kind : {QuizKind::QA, QuizKind::TI, QuizKind::MC}) {
            QuestionMapper mapper(kind, {"Q1"});
            for (const Question& question : result.questions)
                mapper.map(question);
        }
    } catch (const FormatError&) {
    }
    return 0;
}

} // namespace tavrin::interchange
