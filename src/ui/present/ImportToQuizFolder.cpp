#include "ui/present/ImportToQuizFolder.h"

#include "platform/Platform.h"
#include "ui/hyper/PickerKinds.h"

namespace tavrin {

std::optional<QString> ImportToQuizFolder(Platform& platform,
                                          const std::filesystem::path& quizFolder,
                                          const QString& caption, const QString& filter,
                                          const QString& editText) {
    FileDialogRequest request;
    request.caption = caption;
    request.filter = filter;
    return AskAndImportFile(platform, quizFolder, request, editText, {});
}

} // namespace tavrin
