#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/CommandLine.h"

namespace tavrin {
namespace {

using Parts = std::vector<std::string>;

TEST(SplitWindowsCommandLine, BlankInputGivesNothing) {
    EXPECT_EQ(SplitWindowsCommandLine(""), Parts{});
    EXPECT_EQ(SplitWindowsCommandLine(" \t "), Parts{});
}

TEST(SplitWindowsCommandLine, SplitsAtBlanksAndTabs) {
    EXPECT_EQ(SplitWindowsCommandLine("  NOTEPAD.EXE  a.txt\tb.txt "),
              (Parts{"NOTEPAD.EXE", "a.txt", "b.txt"}));
}

TEST(SplitWindowsCommandLine, QuotedProgramNameKeepsBlanksAndBackslashes) {
    EXPECT_EQ(SplitWindowsCommandLine(R"("C:\Program Files\Quiz\run.exe" /s)"),
              (Parts{R"(C:\Program Files\Quiz\run.exe)", "/s"}));
    // A backslash before the closing quote of the program is still literal.
    EXPECT_EQ(SplitWindowsCommandLine(R"("C:\dir\" x)"), (Parts{R"(C:\dir\)", "x"}));
}

TEST(SplitWindowsCommandLine, QuotesInTheMiddleOfAWordGroupOnly) {
    EXPECT_EQ(SplitWindowsCommandLine(R"(prog a"b c"d)"), (Parts{"prog", "ab cd"}));
    EXPECT_EQ(SplitWindowsCommandLine(R"(pr" "og x)"), (Parts{"pr og", "x"}));
}

TEST(SplitWindowsCommandLine, EmptyQuotedArgumentIsKept) {
    EXPECT_EQ(SplitWindowsCommandLine(R"(prog "" x)"), (Parts{"prog", "", "x"}));
}

TEST(SplitWindowsCommandLine, BackslashRulesBeforeQuotes) {
    // Backslashes not before a quote are literal.
    EXPECT_EQ(SplitWindowsCommandLine(R"(p a\\b\c)"), (Parts{"p", R"(a\\b\c)"}));
    // 2n+1 backslashes + quote: n backslashes and a literal quote.
    EXPECT_EQ(SplitWindowsCommandLine(R"(p a\"b)"), (Parts{"p", R"(a"b)"}));
    EXPECT_EQ(SplitWindowsCommandLine(R"(p a\\\"b)"), (Parts{"p", R"(a\"b)"}));
    // 2n backslashes + quote: n backslashes and the quote groups.
    EXPECT_EQ(SplitWindowsCommandLine(R"(p "a\\" b)"), (Parts{"p", R"(a\)", "b"}));
    EXPECT_EQ(SplitWindowsCommandLine(R"(p "C:\dir name\\")"), (Parts{"p", R"(C:\dir name\)"}));
}

TEST(SplitWindowsCommandLine, DoubledQuoteInsideQuotesIsALiteralQuote) {
    EXPECT_EQ(SplitWindowsCommandLine(R"(p "say ""hi"" now")"), (Parts{"p", R"(say "hi" now)"}));
}

TEST(SplitWindowsCommandLine, UnclosedQuoteRunsToTheEnd) {
    EXPECT_EQ(SplitWindowsCommandLine(R"(p "a b)"), (Parts{"p", "a b"}));
    EXPECT_EQ(SplitWindowsCommandLine(R"("my prog)"), (Parts{"my prog"}));
}

TEST(SplitWindowsCommandLine, TrailingBackslashesAreLiteral) {
    EXPECT_EQ(SplitWindowsCommandLine(R"(p C:\dir\)"), (Parts{"p", R"(C:\dir\)"}));
}

} // namespace
} // namespace tavrin
