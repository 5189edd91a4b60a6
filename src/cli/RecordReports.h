#pragma once

#include <cstdint>
#include <span>

#include "cli/Report.h"
#include "core/questions/QuizKind.h"
#include "core/settings/QuizSettings.h"

namespace tavrin::cli {

// Every field of a settings record, by name, in stored order.
void ReportSettings(const QuizSettings& settings, Report& out);

// Every field of one question record of the kind.
void ReportQuestion(QuizKind kind, std::span<const std::uint8_t> record, Report& out);

} // namespace tavrin::cli
