#include "ui/present/ImportToQuizFolder.h"

#include "core/FileError.h"
#include "core/PickedFile.h"
#include "platform/Platform.h"

namespace tavrin {

std::optional<QString> ImportToQuizFolder(Platform& platform,
                                          const std::filesystem::path& quizFolder,
                                          const QString& caption, const QString& filter,
                                          const QString& editText) {
    FileDialogRequest request;
    request.caption = caption;
    request.filter = filter;
    request.startFolder = QString::fromStdU16String(quizFolder.u16string());
    request.mustExist = true;
    const std::optional<QString> chosen = platform.GetOpenFileName(request);
    if (!chosen) {
        return std::nullopt;
    }
    const std::filesystem::path path(chosen->toStdU16String());
    const QString bareName = QString::fromStdU16String(path.filename().u16string());
    const bool copy = platform.AskYesNo(QStringLiteral("Copy the file ") + bareName +
                                        QStringLiteral(" to the Project directory?"));
    const std::string nameBox = editText.toStdString();
    try {
        return QString::fromStdString(TakeFoundFile(quizFolder, path, copy, nameBox, {}));
    } catch (const FileError& error) {
        platform.ShowError(QString::fromStdString(error.what()));
        return editText;
    }
}

} // namespace tavrin
