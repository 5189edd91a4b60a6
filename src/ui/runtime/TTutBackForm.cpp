#include "ui/runtime/TTutBackForm.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>
#include <optional>

#include "core/bytes/FileError.h"
#include "core/files/FolderNames.h"
#include "platform/PictureLoader.h"
#include "platform/Platform.h"
#include "ui/runtime/RunStyle.h"

namespace tavrin {
namespace {

std::optional<QString> FileInFolder(const std::filesystem::path& folder, const std::string& name) {
    if (name.empty())
        return std::nullopt;
    const auto found = ResolveInFolder(folder, name);
    if (!found || !std::filesystem::is_regular_file(*found))
        return std::nullopt;
    return QString::fromStdString(found->string());
}

bool HasJpgExtension(const std::string& name) {
    const auto point = name.rfind('.');
    return point != std::string::npos && UpperAscii(name.substr(point)) == ".JPG";
}

} // namespace

TTutBackForm::TTutBackForm(Platform& platform, const ProgramWindow& window,
                           std::filesystem::path quizFolder, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), platform_(platform), window_(window),
      quizFolder_(std::move(quizFolder)) {
    setObjectName(QStringLiteral("TTutBackForm"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Panel1);
    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    TwiaTile1 = new QWidget(Panel1);
    TwiaTile1->setObjectName(QStringLiteral("TwiaTile1"));
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    panelLayout->addWidget(TwiaTile1);
    panelLayout->addWidget(Image1);
    TwiaTile1->hide();
    Image1->hide();
}

void TTutBackForm::FormActivate() {
    const int kind = window_.backgroundKind();
    if (kind < 1 || kind > 3)
        return;
    PaintBackground(*Panel1, window_.backgroundColour());
    if (kind == 2)
        ShowPicture(window_.backgroundGraphic());
    else if (kind == 3)
        ShowWallpaper(window_.backgroundWallpaper());
}

void TTutBackForm::ShowPicture(const std::string& name) {
    const auto path = FileInFolder(quizFolder_, name);
    if (!path) {
        platform_.ShowError(
            QStringLiteral("The graphic file %1 was not found").arg(ShownText(name)));
        return;
    }
    try {
        Image1->setPixmap(QPixmap::fromImage(PictureLoader::Load(*path)));
        Image1->show();
    } catch (const FileError& error) {
        platform_.ShowError(QString::fromStdString(error.what()));
    }
}

void TTutBackForm::ShowWallpaper(const std::string& name) {
    if (HasJpgExtension(name)) {
        platform_.ShowError(
            QStringLiteral("Wallpaper must be a .BMP file.\n\r\n\rReplace %1 with a "
                           ".BMP Graphic.")
                .arg(ShownText(name)));
        return;
    }
    const auto path = FileInFolder(quizFolder_, name);
    if (!path) {
        platform_.ShowError(
            QStringLiteral("The Wallpaper file %1 was not found").arg(ShownText(name)));
        return;
    }
    try {
        QPalette palette = TwiaTile1->palette();
        palette.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(PictureLoader::Load(*path))));
        TwiaTile1->setPalette(palette);
        TwiaTile1->setAutoFillBackground(true);
        TwiaTile1->show();
    } catch (const FileError& error) {
        platform_.ShowError(QString::fromStdString(error.what()));
    }
}

} // namespace tavrin
