#pragma once

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavrin::cli {

// Exit codes of the tool.
inline constexpr int kSuccess = 0;
inline constexpr int kFailure = 1;
inline constexpr int kUsageError = 2;

// Wrong arguments: the tool prints the message and its usage, and exits with 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failure the author can act on: printed as it is, exit code 1.
class CommandFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CommandContext {
    std::string programFolder; // the folder of the tool itself
    std::ostream& out;
};

// Each command takes the arguments after its name and returns the exit code.
// Failures are thrown (UsageError, CommandFailure, FileError, FormatError).
int RunNew(const std::vector<std::string>& args, const CommandContext& context);
int RunConvert(const std::vector<std::string>& args, const CommandContext& context);
int RunCompile(const std::vector<std::string>& args, const CommandContext& context);
int RunBuildExe(const std::vector<std::string>& args, const CommandContext& context);
int RunDistribute(const std::vector<std::string>& args, const CommandContext& context);
int RunExportWeb(const std::vector<std::string>& args, const CommandContext& context);
int RunInspect(const std::vector<std::string>& args, const CommandContext& context);
int RunImport(const std::vector<std::string>& args, const CommandContext& context);
int RunExport(const std::vector<std::string>& args, const CommandContext& context);

const char* UsageText();

} // namespace tavrin::cli
