#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/bytes/FixedRecord.h"

namespace tavrin {

// The quiz program's about box: when it shows, its caption, icon and lines.
class AboutBoxDesign : public FixedRecord<578> {
public:
    enum WhenToShow : std::int16_t { kAtStart = 0, kAtEnd = 1, kAtStartAndEnd = 2, kNever = 3 };

    static constexpr int kCommentLines = 4;
    static constexpr std::size_t kCommentCapacity = 65;

    std::int16_t whenToShow() const { return i16At(0); }
    void setWhenToShow(std::int16_t v) { setI16At(0, v); }

    std::string caption() const { return stringAt(2, 40); }
    void setCaption(std::string_view v) { setStringAt(2, 40, v); }

    bool useIcon() const { return flagAt(43); }
    void setUseIcon(bool v) { setFlagAt(43, v); }
    std::string iconFile() const { return stringAt(44, 150); }
    void setIconFile(std::string_view v) { setStringAt(44, 150, v); }

    std::string programName() const { return stringAt(195, 32); }
    void setProgramName(std::string_view v) { setStringAt(195, 32, v); }
    std::string versionLine() const { return stringAt(228, 42); }
    void setVersionLine(std::string_view v) { setStringAt(228, 42, v); }
    std::string authorLine() const { return stringAt(271, 42); }
    void setAuthorLine(std::string_view v) { setStringAt(271, 42, v); }

    // Comment lines 1..4; another line number is an std::out_of_range.
    std::string commentLine(int line) const {
        return stringAt(commentOffset(line), kCommentCapacity);
    }
    void setCommentLine(int line, std::string_view v) {
        setStringAt(commentOffset(line), kCommentCapacity, v);
    }

private:
    static std::size_t commentOffset(int line) {
        if (line < 1 || line > kCommentLines)
            throw std::out_of_range("about box comment line " + std::to_string(line));
        return 314 + 66 * static_cast<std::size_t>(line - 1);
    }
};

} // namespace tavrin
