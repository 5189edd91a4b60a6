#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// Text files of the quiz formats: lines end in CR LF when written; a reader
// accepts CR LF and bare LF. A final line without an end still counts.
std::vector<std::string> SplitLines(std::string_view text);
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

} // namespace tavrin
