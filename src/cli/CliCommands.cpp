#include "cli/CliCommands.h"

#include <filesystem>
#include <optional>

#include "cli/FileReports.h"
#include "cli/Report.h"
#include "core/build/CompiledQuizBuilder.h"
#include "core/build/Distribution.h"
#include "core/bytes/FileError.h"
#include "core/files/FolderNames.h"
#include "core/files/SharedRoutines.h"
#include "core/interchange/InterchangeFormat.h"
#include "core/interchange/QuestionImport.h"
#include "core/interchange/QuizExport.h"
#include "core/project/ProjectState.h"
#include "core/settings/QuizSettings.h"
#include "core/topics/TopicFile.h"
#include "core/web/WebQuizExporter.h"

namespace tavrin::cli {
namespace fs = std::filesystem;
namespace {

void requireCount(const std::vector<std::string>& args, std::size_t count, const char* command) {
    if (args.size() != count)
        throw UsageError(std::string(command) + " takes " + std::to_string(count) +
                         (count == 1 ? " argument" : " arguments"));
}

QuizKind kindNamed(const std::string& name) {
    const std::string upper = UpperAscii(name);
    if (upper == "QA")
        return QuizKind::QA;
    if (upper == "TI")
        return QuizKind::TI;
    if (upper == "MC")
        return QuizKind::MC;
    throw UsageError("unknown quiz kind \"" + name + "\" (qa, ti or mc)");
}

// The quiz a quiz file (NAME.QAJ, NAME.TIJ or NAME.MCJ) belongs to.
QuizFileSet quizOf(const std::string& quizFile) {
    const fs::path path = fs::absolute(quizFile);
    const std::string extension = UpperAscii(path.extension().string());
    for (const QuizKind kind : {QuizKind::QA, QuizKind::TI, QuizKind::MC}) {
        if (extension == ExtensionsOf(kind).quiz)
            return QuizFileSet::named(path.parent_path(), kind, path.filename().string());
    }
    throw UsageError(quizFile + " is not a quiz file (.QAJ, .TIJ or .MCJ)");
}

QuizSettings loadCurrentSettings(const QuizFileSet& files) {
    const fs::path quizFile = files.quizFolder / files.quizFile;
    if (IsEarlierQuizFile(quizFile))
        throw CommandFailure(quizFile.string() +
                             ": created with an earlier version of Tavrin; convert it first");
    return LoadQuizSettings(quizFile);
}

// The files that questions are imported into or exported from; the quiz
// itself must be there and current.
interchange::QuizFiles interchangeFilesOf(const std::string& quizFile) {
    const QuizFileSet files = quizOf(quizFile);
    loadCurrentSettings(files);
    const auto inFolder = [&](const std::string& name) {
        return ResolveDiskFile(files.quizFolder, name).value_or(files.quizFolder / name);
    };
    return interchange::QuizFiles{files.kind, files.quizFolder, inFolder(files.questionFile),
                                  inFolder(files.topicFile)};
}

interchange::Format formatNamed(const std::string& name, bool forExport) {
    const auto format = interchange::FormatNamed(name);
    if (!format || (forExport && *format == interchange::Format::Aiken))
        throw UsageError("unknown format \"" + name + "\" (" +
                         (forExport ? "gift, moodle or csv" : "gift, moodle, aiken or csv") + ")");
    return *format;
}

// The compiled quiz to export: a compiled file as given, or a quiz file
// compiled first so that the web quiz shows the quiz as it stands.
fs::path compiledQuizOf(const std::string& file) {
    const fs::path path = fs::absolute(file);
    const std::string extension = UpperAscii(path.extension().string());
    for (const QuizKind kind : {QuizKind::QA, QuizKind::TI, QuizKind::MC}) {
        if (extension == ExtensionsOf(kind).compiled)
            return path;
    }
    const QuizFileSet files = quizOf(file);
    return CompileQuiz(files, loadCurrentSettings(files));
}

fs::path defaultStub(const CommandContext& context) {
    const fs::path folder = context.programFolder;
    return ResolveStoredFile(folder, "dravlen.bin").value_or(folder / "dravlen.bin");
}

} // namespace

const char* UsageText() {
    return "usage: tavrin-cli COMMAND ARGUMENTS\n"
           "  new qa|ti|mc FOLDER NAME       create a quiz with the settings of a new quiz\n"
           "  convert QUIZFILE               convert a quiz of the earlier format\n"
           "  compile QUIZFILE               write NAME.QAC, NAME.TIC or NAME.MCC beside it\n"
           "  build-exe QUIZFILE [--stub FILE]\n"
           "                                 compile, then write the executable quiz NAME.EXE\n"
           "  distribute QUIZFILE DEST --exe|--compiled [--no-programs]\n"
           "                                 copy everything a learner needs into DEST\n"
           "  export-web QUIZFILE DEST [--scorm]\n"
           "                                 write the web quiz folder DEST, or the SCORM\n"
           "                                 package DEST (a zip file); QUIZFILE is compiled\n"
           "                                 first, or may be the compiled quiz itself\n"
           "  inspect FILE [--json]          show every field of any quiz file\n"
           "  import QUIZFILE FILE [--format gift|moodle|aiken|csv] [--dry-run]\n"
           "                                 add the questions of FILE that fit the quiz\n"
           "  export QUIZFILE OUT --format gift|moodle|csv\n"
           "                                 write every question of the quiz to OUT\n";
}

int RunNew(const std::vector<std::string>& args, const CommandContext& context) {
    requireCount(args, 3, "new");
    const QuizKind kind = kindNamed(args[0]);
    const fs::path folder = fs::absolute(args[1]);
    const std::string& name = args[2];
    if (!IsValidFileName(name))
        throw CommandFailure("A correct filename must be entered.");
    if (name.empty())
        throw CommandFailure("A filename must be entered.");
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec))
        throw CommandFailure(folder.string() + ": Unable to create the directory");
    const std::string quizFile = ReplaceExtension(name, ExtensionsOf(kind).quiz);
    if (const auto existing = ResolveDiskFile(folder, quizFile))
        throw CommandFailure(existing->string() +
                             ": the quiz already exists; it was left as it is");
    QuizSettings settings;
    InitQuizSettings(settings);
    SaveQuizSettings(folder / quizFile, settings);
    context.out << "Created " << (folder / quizFile).string() << '\n';
    return kSuccess;
}

int RunConvert(const std::vector<std::string>& args, const CommandContext& context) {
    requireCount(args, 1, "convert");
    const QuizFileSet files = quizOf(args[0]);
    const fs::path quizFile = files.quizFolder / files.quizFile;
    if (!IsEarlierQuizFile(quizFile)) {
        LoadQuizSettings(quizFile); // a file cut short is reported, not called current
        context.out << quizFile.string() << " is already in the current format\n";
        return kSuccess;
    }
    ProjectState state;
    state.quizKind = files.kind;
    state.quizFolder = files.quizFolder;
    state.quizFile = quizFile;
    state.topicFile = ResolveDiskFile(files.quizFolder, files.topicFile)
                          .value_or(files.quizFolder / files.topicFile);
    state.ConvertEarlierQuiz(UpgradeTopicFile);
    context.out << "Converted " << quizFile.string() << '\n';
    return kSuccess;
}

int RunCompile(const std::vector<std::string>& args, const CommandContext& context) {
    requireCount(args, 1, "compile");
    const QuizFileSet files = quizOf(args[0]);
    const fs::path compiled = CompileQuiz(files, loadCurrentSettings(files));
    context.out << "Compiled " << compiled.string() << '\n';
    return kSuccess;
}

int RunBuildExe(const std::vector<std::string>& args, const CommandContext& context) {
    std::optional<fs::path> stub;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--stub") {
            if (i + 1 == args.size())
                throw UsageError("--stub needs a file");
            stub = fs::absolute(args[++i]);
        } else {
            positional.push_back(args[i]);
        }
    }
    requireCount(positional, 1, "build-exe");
    const QuizFileSet files = quizOf(positional[0]);
    const fs::path executable =
        BuildExecutableQuiz(files, loadCurrentSettings(files), stub ? *stub : defaultStub(context));
    context.out << "Built " << executable.string() << '\n';
    return kSuccess;
}

int RunDistribute(const std::vector<std::string>& args, const CommandContext& context) {
    std::optional<bool> executable;
    bool programFiles = true;
    std::vector<std::string> positional;
    for (const auto& arg : args) {
        if (arg == "--exe" || arg == "--compiled") {
            if (executable && *executable != (arg == "--exe"))
                throw UsageError("choose either --exe or --compiled");
            executable = arg == "--exe";
        } else if (arg == "--no-programs") {
            programFiles = false;
        } else if (arg.starts_with("--")) {
            throw UsageError("unknown option " + arg);
        } else {
            positional.push_back(arg);
        }
    }
    requireCount(positional, 2, "distribute");
    if (!executable && programFiles)
        throw UsageError("distribute needs --exe or --compiled");

    DistributionRequest request;
    request.files = quizOf(positional[0]);
    request.settings = loadCurrentSettings(request.files);
    request.programFolder = context.programFolder;
    request.destination = fs::absolute(positional[1]);
    request.executable = executable.value_or(true);
    request.includeProgramFiles = programFiles;
    const DistributionOutcome outcome = PrepareDistribution(request);
    if (!outcome.copied) {
        std::string message;
        for (const auto& line : outcome.messages)
            message += (message.empty() ? "" : "\n") + line;
        throw CommandFailure(message);
    }
    for (const auto& file : outcome.copiedFiles)
        context.out << "copied " << file.string() << '\n';
    for (const auto& line : outcome.messages)
        context.out << line << '\n';
    return kSuccess;
}

int RunExportWeb(const std::vector<std::string>& args, const CommandContext& context) {
    bool scorm = false;
    std::vector<std::string> positional;
    for (const auto& arg : args) {
        if (arg == "--scorm")
            scorm = true;
        else if (arg.starts_with("--"))
            throw UsageError("unknown option " + arg);
        else
            positional.push_back(arg);
    }
    requireCount(positional, 2, "export-web");
    WebExportRequest request;
    request.compiledQuiz = compiledQuizOf(positional[0]);
    request.quizFolder = request.compiledQuiz.parent_path();
    request.playerFolder = fs::path(context.programFolder) / "web";
    request.destination = fs::absolute(positional[1]);
    request.scorm = scorm;
    const WebExportOutcome outcome = WebQuizExporter::Export(request);
    if (!outcome.exported) {
        std::string message;
        for (const auto& line : outcome.messages)
            message += (message.empty() ? "" : "\n") + line;
        throw CommandFailure(message);
    }
    for (const auto& line : outcome.report)
        context.out << line << '\n';
    context.out << (scorm ? "Wrote the SCORM package " : "Wrote the web quiz ")
                << request.destination.string() << '\n';
    return kSuccess;
}

int RunInspect(const std::vector<std::string>& args, const CommandContext& context) {
    bool json = false;
    std::vector<std::string> positional;
    for (const auto& arg : args) {
        if (arg == "--json")
            json = true;
        else if (arg.starts_with("--"))
            throw UsageError("unknown option " + arg);
        else
            positional.push_back(arg);
    }
    requireCount(positional, 1, "inspect");
    const fs::path file = fs::absolute(positional[0]);
    Report report;
    try {
        ReportQuizFile(file, report);
    } catch (const FormatError& error) {
        const std::string reason = error.what();
        throw CommandFailure(reason.find(file.string()) == std::string::npos
                                 ? file.string() + ": " + reason
                                 : reason);
    }
    if (json)
        report.printJson(context.out);
    else
        report.printText(context.out);
    return kSuccess;
}

int RunImport(const std::vector<std::string>& args, const CommandContext& context) {
    std::optional<interchange::Format> format;
    bool dryRun = false;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--format") {
            if (i + 1 == args.size())
                throw UsageError("--format needs a format");
            format = formatNamed(args[++i], false);
        } else if (args[i] == "--dry-run") {
            dryRun = true;
        } else if (args[i].starts_with("--")) {
            throw UsageError("unknown option " + args[i]);
        } else {
            positional.push_back(args[i]);
        }
    }
    requireCount(positional, 2, "import");
    const interchange::QuizFiles files = interchangeFilesOf(positional[0]);
    const interchange::ImportPlan plan = interchange::PlanImport(
        interchange::ReadQuestionsFile(fs::absolute(positional[1]), format), files);
    context.out << plan.reportText();
    if (plan.imported == 0)
        throw CommandFailure("Nothing was imported: no question of the file fits the quiz.");
    if (dryRun) {
        context.out << "Nothing was changed (--dry-run).\n";
        return kSuccess;
    }
    interchange::CommitImport(plan);
    context.out << "Imported " << plan.records.size() << " questions into "
                << files.questionFile.string() << '\n';
    return kSuccess;
}

int RunExport(const std::vector<std::string>& args, const CommandContext& context) {
    std::optional<interchange::Format> format;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--format") {
            if (i + 1 == args.size())
                throw UsageError("--format needs a format");
            format = formatNamed(args[++i], true);
        } else if (args[i].starts_with("--")) {
            throw UsageError("unknown option " + args[i]);
        } else {
            positional.push_back(args[i]);
        }
    }
    requireCount(positional, 2, "export");
    if (!format)
        throw UsageError("export needs --format gift, moodle or csv");
    const interchange::QuizFiles files = interchangeFilesOf(positional[0]);
    const fs::path out = fs::absolute(positional[1]);
    for (const auto& note : interchange::ExportQuiz(files, *format, out))
        context.out << note << '\n';
    context.out << "Exported " << out.string() << '\n';
    return kSuccess;
}

} // namespace tavrin::cli
