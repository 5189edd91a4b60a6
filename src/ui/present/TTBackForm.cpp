#include "ui/present/TTBackForm.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include "ui/present/TwiaTile.h"

namespace tavrin {

TTBackForm::TTBackForm(Platform& platform, const QString& caption, QWidget* parent)
    : PlatformDialog(platform, 0, parent), Image1(new QLabel(this)), wiaTile1(new TwiaTile(this)) {
    setObjectName(QStringLiteral("TTBackForm"));
    Image1->setObjectName(QStringLiteral("Image1"));
    wiaTile1->setObjectName(QStringLiteral("wiaTile1"));
    setWindowTitle(caption);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
    }
    Image1->hide();
    wiaTile1->hide();
}

bool TTBackForm::ShowDesign(const std::filesystem::path& quizFolder,
                            const BackgroundDesign& design) {
    return ShowBackground(platform(), quizFolder, design, {this, Image1, wiaTile1});
}

void TTBackForm::mousePressEvent(QMouseEvent*) {
    accept();
}

void TTBackForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Escape) {
        accept();
        return;
    }
    PlatformDialog::keyPressEvent(event);
}

void ViewBackground(Platform& platform, const std::filesystem::path& quizFolder,
                    const BackgroundDesign& design, const QString& caption, QWidget* parent) {
    TTBackForm form(platform, caption, parent);
    if (form.ShowDesign(quizFolder, design)) {
        platform.RunModal(form);
    }
}

} // namespace tavrin
