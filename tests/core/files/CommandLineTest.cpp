#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/files/CommandLine.h"

namespace tavrin {
namespace {

using Parts = std::vector<std::string>;

TEST(SplitWindowsCommandLine, BlanksQuotesAndBackslashes) {
    const std::pair<const char*, Parts> cases[] = {
        {"", {}},
        {" \t ", {}},
        {"  NOTEPAD.EXE  a.txt\tb.txt ", {"NOTEPAD.EXE", "a.txt", "b.txt"}},
        // A quoted program name keeps blanks, and a backslash before its closing quote.
        {R"("C:\Program Files\Quiz\run.exe" /s)", {R"(C:\Program Files\Quiz\run.exe)", "/s"}},
        {R"("C:\dir\" x)", {R"(C:\dir\)", "x"}},
        // Quotes in the middle of a word only group.
        {R"(prog a"b c"d)", {"prog", "ab cd"}},
        {R"(pr" "og x)", {"pr og", "x"}},
        {R"(prog "" x)", {"prog", "", "x"}},
        // Backslashes not before a quote are literal.
        {R"(p a\\b\c)", {"p", R"(a\\b\c)"}},
        {R"(p C:\dir\)", {"p", R"(C:\dir\)"}},
        // 2n+1 backslashes + quote: n backslashes and a literal quote.
        {R"(p a\"b)", {"p", R"(a"b)"}},
        {R"(p a\\\"b)", {"p", R"(a\"b)"}},
        // 2n backslashes + quote: n backslashes and the quote groups.
        {R"(p "a\\" b)", {"p", R"(a\)", "b"}},
        {R"(p "C:\dir name\\")", {"p", R"(C:\dir name\)"}},
        // A doubled quote inside quotes is a literal quote.
        {R"(p "say ""hi"" now")", {"p", R"(say "hi" now)"}},
        // An unclosed quote runs to the end.
        {R"(p "a b)", {"p", "a b"}},
        {R"("my prog)", {"my prog"}},
    };
    for (const auto& [line, parts] : cases)
        EXPECT_EQ(SplitWindowsCommandLine(line), parts) << line;
}

} // namespace
} // namespace tavrin
