#pragma once

#include <cstddef>
#include <string>

#include "core/interchange/InterchangeQuestion.h"

namespace tavrin::interchange {

// An embedded file larger than this (decoded) is not taken.
inline constexpr std::size_t kMaxMediaBytes = 16u * 1024 * 1024;

// Reads Moodle XML (<quiz> of <question type="...">) from UTF-8 text.
// Category records are skipped; texts in any of the formats (html,
// moodle_auto_format, plain_text, markdown) become plain text; files embedded
// in base64 come with their question. The parser expands no entity declared
// in a document type, so an entity bomb stays inert text. Text that is not
// well-formed XML, or whose root is not <quiz>, is a FormatError naming the
// line.
ReadResult ReadMoodleXml(std::string text);

} // namespace tavrin::interchange
