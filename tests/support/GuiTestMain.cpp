#include <QApplication>
#include <QString>
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/AudioOutput.h"

namespace {

// The offscreen platform warns about every dialog it sizes; that noise would
// hide the messages that matter.
void quietOffscreenNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QLatin1String("does not support propagateSizeHints"))) {
        return;
    }
    fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

} // namespace

// GUI tests run without a display. gtest_discover_tests starts this binary at
// build time without CTest's environment, so the platform is chosen here.
int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    tavrin::PinMediaBackend();
    qInstallMessageHandler(quietOffscreenNoise);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
