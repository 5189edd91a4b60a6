#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "cli/CliCommands.h"
#include "core/bytes/FileError.h"

namespace {

using tavrin::cli::CommandContext;
using Command = int (*)(const std::vector<std::string>&, const CommandContext&);

std::string programFolderOf(const char* argv0) {
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        self = std::filesystem::absolute(argv0);
    return self.parent_path().string();
}

} // namespace

int main(int argc, char** argv) {
    using namespace tavrin::cli;
    const std::map<std::string, Command> commands = {
        {"new", RunNew},
        {"convert", RunConvert},
        {"compile", RunCompile},
        {"build-exe", RunBuildExe},
        {"distribute", RunDistribute},
        {"export-web", RunExportWeb},
        {"inspect", RunInspect},
        {"import", RunImport},
        {"export", RunExport},
    };
    if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
        (argc < 2 ? std::cerr : std::cout) << UsageText();
        return argc < 2 ? kUsageError : kSuccess;
    }
    const auto command = commands.find(argv[1]);
    if (command == commands.end()) {
        std::cerr << "tavrin-cli: unknown command \"" << argv[1] << "\"\n" << UsageText();
        return kUsageError;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    const CommandContext context{programFolderOf(argv[0]), std::cout};
    try {
        return command->second(args, context);
    } catch (const UsageError& error) {
        std::cerr << "tavrin-cli " << argv[1] << ": " << error.what() << '\n' << UsageText();
        return kUsageError;
    } catch (const CommandFailure& error) {
        std::cerr << error.what() << '\n';
    } catch (const tavrin::FileError& error) {
        std::cerr << error.what() << '\n';
    } catch (const tavrin::FormatError& error) {
        std::cerr << error.what() << '\n';
    } catch (const std::exception& error) {
        std::cerr << "tavrin-cli: " << error.what() << '\n';
    }
    return kFailure;
}
