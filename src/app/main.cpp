#include "TavrinApplication.h"
#include "platform/AudioOutput.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char** argv) {
    tavrin::PinMediaBackend();
    QApplication app(argc, argv);
    tavrin::QtPlatform platform;
    tavrin::TavrinApplication tavrin(platform, QCoreApplication::applicationFilePath());
    tavrin.Show();
    return app.exec();
}
