#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/ViewPortDesign.h"

namespace tavrin {

// Builds topic file text: every line ended by CR LF, each kind of topic with
// its lines in their fixed order (readers find fields by line position).
class TopicTextWriter {
public:
    void line(std::string_view text);

    // "[name]", "source=", "type=", "command=", "]" and the empty line after.
    void commandTopic(std::string_view name, std::int32_t linkType, std::string_view command,
                      std::string_view source);
    // The head, source and type, the design's fields one per line, "text=",
    // the text lines, "]" and the empty line after.
    void displayTopic(std::string_view name, std::int32_t linkType, const ViewPortDesign& design,
                      const std::vector<std::string>& text, std::string_view source);
    // "[^INTRODUCTION^]", "source=INTRO", "text=", the text lines and "]";
    // the empty line after it only when asked for.
    void introduction(const std::vector<std::string>& text, bool emptyLineAfter);

    const std::string& text() const { return text_; }
    std::string take() { return std::move(text_); }

private:
    void head(std::string_view name, std::string_view source);
    void textLines(const std::vector<std::string>& text);

    std::string text_;
};

inline constexpr std::string_view kIntroductionName = "^INTRODUCTION^";
inline constexpr std::string_view kIntroductionSource = "INTRO";
inline constexpr std::string_view kHyperSource = "HYPER";

} // namespace tavrin
