#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// Splits a command line written for Windows ("C:\Prog Files\x.exe" /a "b c")
// into the program and its arguments, with the quoting rules of the Windows
// C run-time:
// - the program name ends at the first blank or tab outside double quotes;
//   quotes in it only group and backslashes are taken literally;
// - in arguments, 2n backslashes before a quote give n backslashes and the
//   quote groups; 2n+1 backslashes before a quote give n backslashes and a
//   literal quote; other backslashes are literal; "" inside a quoted part
//   gives a literal quote.
// Blank input gives an empty list.
std::vector<std::string> SplitWindowsCommandLine(std::string_view commandLine);

} // namespace tavrin
