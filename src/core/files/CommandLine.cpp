#include "core/files/CommandLine.h"

namespace tavrin {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

class CommandLineReader {
public:
    explicit CommandLineReader(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    void skipBlanks() {
        while (!atEnd() && isBlank(text_[pos_])) {
            ++pos_;
        }
    }

    std::string readProgramName() {
        std::string name;
        bool quoted = false;
        for (; !atEnd(); ++pos_) {
            const char c = text_[pos_];
            if (c == '"') {
                quoted = !quoted;
            } else if (isBlank(c) && !quoted) {
                break;
            } else {
                name += c;
            }
        }
        return name;
    }

    std::string readArgument() {
        std::string argument;
        bool quoted = false;
        while (!atEnd()) {
            const char c = text_[pos_];
            if (c == '\\') {
                readBackslashes(argument);
            } else if (c == '"') {
                ++pos_;
                if (quoted && !atEnd() && text_[pos_] == '"') {
                    argument += '"';
                    ++pos_;
                } else {
                    quoted = !quoted;
                }
            } else if (isBlank(c) && !quoted) {
                break;
            } else {
                argument += c;
                ++pos_;
            }
        }
        return argument;
    }

private:
    // Backslashes count only when a double quote follows them; an even run
    // leaves the quote to group.
    void readBackslashes(std::string& argument) {
        std::size_t count = 0;
        while (!atEnd() && text_[pos_] == '\\') {
            ++count;
            ++pos_;
        }
        if (atEnd() || text_[pos_] != '"') {
            argument.append(count, '\\');
            return;
        }
        argument.append(count / 2, '\\');
        if (count % 2 == 1) {
            argument += '"';
            ++pos_;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

std::vector<std::string> SplitWindowsCommandLine(std::string_view commandLine) {
    std::vector<std::string> parts;
    CommandLineReader reader(commandLine);
    reader.skipBlanks();
    if (reader.atEnd()) {
        return parts;
    }
    parts.push_back(reader.readProgramName());
    reader.skipBlanks();
    while (!reader.atEnd()) {
        parts.push_back(reader.readArgument());
        reader.skipBlanks();
    }
    return parts;
}

} // namespace tavrin
