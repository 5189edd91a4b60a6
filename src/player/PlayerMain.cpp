#include "player/PlayerMain.h"

#include <QApplication>
#include <cstdio>
#include <exception>

#include "platform/AudioOutput.h"
#include "platform/QtPlatform.h"
#include "player/ScriptedLearner.h"

namespace tavrin {

int PlayerMain(int argc, char** argv, PlayerProgram program) {
    // Only the GStreamer back end plays MIDI; it must be chosen before Qt starts.
    PinMediaBackend();
    QApplication application(argc, argv);
    std::unique_ptr<QtPlatform> platform;
    try {
        platform = ScriptedLearner::FromEnvironment();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
    if (!platform)
        platform = std::make_unique<QtPlatform>();
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    // The stub reads its own file; media lie in the folder it was started from.
    const std::filesystem::path self(QApplication::applicationFilePath().toStdString());
    return RunPlayer(*platform, program, arguments, self);
}

} // namespace tavrin
