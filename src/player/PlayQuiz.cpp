#include "player/PlayQuiz.h"

#include <exception>

namespace tavrin {

bool PlayQuiz(Platform& platform, const QuizSource& source, const std::filesystem::path& quizFile) {
    try {
        const auto records = source.questionRecords();
        platform.ShowInfo(QStringLiteral("The quiz %1 holds %2 questions.\nThis player cannot show "
                                         "quiz screens yet.")
                              .arg(QString::fromStdString(quizFile.stem().string()))
                              .arg(records.size()));
        return true;
    } catch (const std::exception& error) {
        platform.ShowError(QString::fromStdString(error.what()));
        return false;
    }
}

} // namespace tavrin
