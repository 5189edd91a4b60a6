#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "core/build/CompiledQuizBuilder.h"
#include "core/files/FileIO.h"
#include "core/questions/TTMRecord.h"
#include "core/web/WebQuizExporter.h"
#include "tests/core/CompiledQuizFixtures.h"

namespace tavrin {
namespace {

namespace fs = std::filesystem;
using testing::CommandTopicText;
using testing::DisplayTopicText;

// Writes the target as a converter would, or fails as told.
class StubConverter : public MediaConverter {
public:
    std::string failure;
    std::string convert(MediaTreatment, const fs::path& source, const fs::path& target) override {
        if (!failure.empty())
            return failure;
        WriteFileAtomically(target, "converted " + source.filename().string());
        return {};
    }
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

bool ReportHas(const WebExportOutcome& outcome, const std::string& part) {
    for (const auto& line : outcome.report) {
        if (Contains(line, part))
            return true;
    }
    return false;
}

// The JSON document of the data script, which must be exactly the assignment
// of one document.
std::string DataJson(const fs::path& folder) {
    const std::string script = ReadFileText(folder / "quiz-data.js");
    const std::string prefix = "window.TAVRIN_QUIZ = ";
    EXPECT_TRUE(script.starts_with(prefix) && script.ends_with(";\n")) << script;
    return script.substr(prefix.size(), script.size() - prefix.size() - 2);
}

std::set<std::string> FilesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.insert(fs::relative(entry.path(), folder).generic_string());
    return names;
}

// A TI quiz whose information uses every kind of media the exporter treats
// differently, a background named through a folder, and one that climbs out.
class WebQuizExporterTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(quizFolder() / "sub");
        fs::create_directories(playerFolder());
        for (const auto& name : WebQuizExporter::PlayerFiles())
            WriteFileAtomically(playerFolder() / name, "player " + name);
        for (const auto& name : {"sub/pic.bmp", "tune.mid", "art.wmf", "ask.exe"})
            WriteFileAtomically(quizFolder() / name, name);
        WriteFileAtomically(root / "outside.bmp", "outside");

        QuizSettings settings;
        InitQuizSettings(settings);
        settings.setTitleBarText("Caf\xE9 quiz");
        ProgramWindow window = settings.programWindow();
        window.setBackgroundKind(2);
        window.setBackgroundGraphic("sub\\pic.bmp");
        settings.setProgramWindow(window);
        ProgramScreens screens = settings.programScreens();
        screens.setShowIntroduction(true);
        IntroScreenDesign intro = screens.introScreen();
        ViewPortDesign introWindow = intro.textWindow();
        introWindow.setDisplaytype(2);
        introWindow.setSGraphic("..\\outside.bmp");
        intro.setTextWindow(introWindow);
        screens.setIntroScreen(intro);
        settings.setProgramScreens(screens);
        files = QuizFileSet::named(quizFolder(), QuizKind::TI, "CAFE.TIJ");
        SaveQuizSettings(quizFolder() / "CAFE.TIJ", settings);

        testing::Bytes records;
        for (const char* id : {"Q1", "Q2", "Q3", "Q4"}) {
            TTMRecord record;
            record.setIdentifier(id);
            record.setQuestionLine(1, "Which caf\xE9?");
            record.setCorrectAnswer("<b>this</b>");
            record.setMatch(1, "THIS");
            record.setHasInformation(true);
            testing::Append(records, testing::Bytes(record.bytes().begin(), record.bytes().end()));
        }
        WriteFileAtomically(quizFolder() / "CAFE.TIQ", records);
        WriteFileAtomically(
            quizFolder() / "CAFE.TIR",
            CommandTopicText("Q1", 8, "tune.mid") +
                CommandTopicText("Q2", 6, "art.wmf,tune.mid,5") +
                DisplayTopicText("q3", 1, "", "", "{\\rtf1 <script>bold</script>\\par}\r\n") +
                CommandTopicText("Q4", 4, "ask.exe") +
                "[^INTRODUCTION^]\r\nsource=INTRO\r\ntext=\r\nWelcome & hello\r\n]\r\n");
        compiled = CompileQuiz(files, settings);
    }

    fs::path quizFolder() const { return root / "quiz"; }
    fs::path playerFolder() const { return root / "web"; }
    fs::path exportFolder() const { return root / "out"; }

    WebExportRequest Request() {
        WebExportRequest request;
        request.compiledQuiz = compiled;
        request.quizFolder = quizFolder();
        request.playerFolder = playerFolder();
        request.destination = exportFolder();
        request.converter = &converter;
        return request;
    }

    TempFolder root;
    QuizFileSet files;
    fs::path compiled;
    StubConverter converter;
};

TEST_F(WebQuizExporterTest, WritesPlayerDataAndMediaWithEveryTreatmentReported) {
    const WebExportOutcome outcome = WebQuizExporter::Export(Request());
    ASSERT_TRUE(outcome.exported) << (outcome.messages.empty() ? "" : outcome.messages[0]);

    EXPECT_EQ(FilesIn(exportFolder()),
              (std::set<std::string>{"index.html", "player.js", "player.css", "quiz-data.js",
                                     "media", "media/pic.bmp", "media/tune.ogg"}));
    std::set<std::string> topLevel;
    for (const auto& entry : fs::directory_iterator(root.path()))
        topLevel.insert(entry.path().filename().string());
    EXPECT_EQ(topLevel, (std::set<std::string>{"quiz", "web", "out", "outside.bmp"}));

    const std::string json = DataJson(exportFolder());
    for (const char* part :
         {"\"titleBarText\":\"Caf\xC3\xA9 quiz\"", "\"correctAnswer\":\"<b>this</b>\"",
          "\"backgroundGraphic\":\"pic.bmp\"",
          "\"Q1\":{\"linkType\":8,\"caption\":\"Q1\",\"media\":{\"picture\":\"\",\"sound\":\"tune."
          "ogg\"",
          // The picture of Q2 is refused; its sound is kept and converted only once.
          "\"sound\":\"tune.ogg\",\"video\":\"\",\"displayMilliseconds\":500},\"unsupported\":"
          "\"Windows metafile",
          "\"Q3\":{\"linkType\":1", "&lt;script&gt;bold&lt;/script&gt;",
          "cannot run in a browser: ask.exe", "Welcome &amp; hello", "\"sGraphic\":\"\""})
        EXPECT_TRUE(Contains(json, part)) << part << " in " << json;
    for (const char* line :
         {"copied sub\\pic.bmp to media/pic.bmp", "converted tune.mid to media/tune.ogg",
          "refused art.wmf", "refused ..\\outside.bmp", "left out the program of Q4"})
        EXPECT_TRUE(ReportHas(outcome, line)) << line;
}

TEST_F(WebQuizExporterTest, AFailedConversionIsReportedAndTheTuneLeftOut) {
    converter.failure = "fluidsynth: not installed";
    const WebExportOutcome outcome = WebQuizExporter::Export(Request());
    ASSERT_TRUE(outcome.exported);
    EXPECT_TRUE(ReportHas(outcome, "fluidsynth: not installed"));
    EXPECT_FALSE(fs::exists(exportFolder() / "media" / "tune.ogg"));
    const std::string json = DataJson(exportFolder());
    EXPECT_TRUE(Contains(json, "\"sound\":\"\"")) << json;
    EXPECT_TRUE(Contains(json, "tune.mid could not be converted")) << json;
}

TEST_F(WebQuizExporterTest, RefusesADamagedQuizOrAMissingFileAndWritesNothing) {
    fs::remove(quizFolder() / "tune.mid");
    WebExportOutcome outcome = WebQuizExporter::Export(Request());
    EXPECT_FALSE(outcome.exported);
    EXPECT_EQ(outcome.messages, std::vector<std::string>{"The file tune.mid is missing."});
    EXPECT_FALSE(fs::exists(exportFolder()));

    auto bytes = ReadFileBytes(compiled);
    bytes.resize(bytes.size() - 100); // the last record cut short
    WriteFileAtomically(compiled, bytes);
    outcome = WebQuizExporter::Export(Request());
    EXPECT_FALSE(outcome.exported);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_TRUE(Contains(outcome.messages[0], compiled.string())) << outcome.messages[0];
    EXPECT_FALSE(fs::exists(exportFolder()));
}

TEST_F(WebQuizExporterTest, ThePackageIsAValidZipWhoseManifestNamesEveryFile) {
    WebExportRequest request = Request();
    request.scorm = true;
    request.destination = root / "cafe.zip";
    ASSERT_TRUE(WebQuizExporter::Export(request).exported);
    EXPECT_FALSE(fs::exists(root / "cafe.zip.parts"));
    if (std::system("command -v unzip >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "unzip is not installed";

    const std::string zip = request.destination.string();
    EXPECT_EQ(std::system(("unzip -tq '" + zip + "' >/dev/null").c_str()), 0);
    ASSERT_EQ(std::system(("unzip -Z1 '" + zip + "' > '" + (root / "list").string() + "'").c_str()),
              0);
    ASSERT_EQ(std::system(("unzip -p '" + zip + "' imsmanifest.xml > '" +
                           (root / "manifest").string() + "'")
                              .c_str()),
              0);
    // The data streamed into the package is the data of a folder export.
    ASSERT_EQ(
        std::system(
            ("unzip -p '" + zip + "' quiz-data.js > '" + (root / "data").string() + "'").c_str()),
        0);
    ASSERT_TRUE(WebQuizExporter::Export(Request()).exported);
    EXPECT_EQ(ReadFileText(root / "data"), ReadFileText(exportFolder() / "quiz-data.js"));
    const std::string manifest = ReadFileText(root / "manifest");
    const std::string list = ReadFileText(root / "list");
    std::size_t entries = 0;
    for (std::size_t start = 0, end; (end = list.find('\n', start)) != std::string::npos;
         start = end + 1, ++entries) {
        const std::string name = list.substr(start, end - start);
        if (name != "imsmanifest.xml") {
            EXPECT_TRUE(Contains(manifest, "<file href=\"" + name + "\"/>")) << name;
        }
    }
    EXPECT_EQ(entries, 7u);
}

} // namespace
} // namespace tavrin
