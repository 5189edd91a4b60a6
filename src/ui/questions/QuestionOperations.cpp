#include "ui/questions/QuestionOperations.h"

#include "core/questions/QuestionFile.h"
#include "core/topics/TopicFile.h"
#include "platform/Platform.h"
#include "platform/PlatformConversions.h"
#include "ui/questions/QuestionInformation.h"
#include "ui/questions/TMEntryForm.h"
#include "ui/questions/TQAEntryForm.h"
#include "ui/shell/FormHelp.h"
#include "ui/shell/ListChooser.h"
#include "ui/shell/QuizManagerForm.h"
#include "ui/shell/QuizProjects.h"

#include <QPushButton>

namespace tavrin {

namespace {

const char* const kInformationSource = "HYPER";

QuestionFile QuestionsOf(QuizManagerForm& manager) {
    return QuestionFile(QuestionFilePath(manager.state()), manager.kind());
}

void RemoveInformation(QuizManagerForm& manager, const std::string& identifier) {
    DeleteTopic(TopicFilePath(manager.state()), identifier, kInformationSource);
}

EntryContext ContextFor(QuizManagerForm& manager, const ManagerServices& services) {
    EntryContext context{manager.platform(), {}, {}, {}, {}, &manager};
    context.identifierInUse = [&manager](std::string_view newId, std::string_view openingId) {
        return QuestionsOf(manager).IdentifierInUse(newId, openingId);
    };
    context.editInformation = [&manager, &services](const std::string& identifier) {
        if (services.editQuestionInformation)
            return services.editQuestionInformation(identifier);
        return EditQuestionInformation(manager.platform(), manager.state(), identifier, &manager);
    };
    context.deleteTopic = [&manager](const std::string& identifier) {
        RemoveInformation(manager, identifier);
    };
    context.setCurrentQuestionId = [&manager](const std::string& identifier) {
        SetCurrentQuestionId(manager.state(), identifier);
    };
    return context;
}

template <typename Record> Record FromBytes(const std::vector<std::uint8_t>& bytes) {
    Record record;
    record.assignBytes(bytes);
    return record;
}

template <typename Record> std::vector<std::uint8_t> ToBytes(const Record& record) {
    return {record.bytes().begin(), record.bytes().end()};
}

// Runs the kind's entry form on a record of the kind, given as bytes.
bool RunEntryForm(QuizManagerForm& manager, const EntryContext& context,
                  std::vector<std::uint8_t>& bytes) {
    if (manager.kind() == QuizKind::QA) {
        auto record = FromBytes<TQARecord>(bytes);
        if (!RunQAEntryForm(context, record))
            return false;
        bytes = ToBytes(record);
        return true;
    }
    auto record = FromBytes<TTMRecord>(bytes);
    const bool saved = manager.kind() == QuizKind::TI ? RunTIEntryForm(context, record)
                                                      : RunMCEntryForm(context, record);
    if (saved)
        bytes = ToBytes(record);
    return saved;
}

// Lets the author pick a question by its identifier; -1 when none was chosen.
int ChooseQuestion(QuizManagerForm& manager, int helpContext, const char* caption) {
    QStringList ids;
    for (const std::string& id : QuestionsOf(manager).ListQuestionIds())
        ids << ShownText(id);
    return SelectFromList(manager.platform(), ids, 0, helpContext, QString::fromLatin1(caption));
}

} // namespace

void AddQuestions(QuizManagerForm& manager, const ManagerServices& services) {
    const EntryContext context = ContextFor(manager, services);
    do {
        std::vector<std::uint8_t> record(QuestionRecordSize(manager.kind()), 0);
        if (RunEntryForm(manager, context, record))
            QuestionsOf(manager).WriteQuestion(QuestionFile::kAppend, record);
    } while (manager.platform().AskYesNo(QStringLiteral("Do you want to add another Question?")));
}

void EditQuestion(QuizManagerForm& manager, const ManagerServices& services) {
    const int n = ChooseQuestion(manager, 165, "Select a Question to Edit");
    if (n < 0)
        return;
    QuestionFile questions = QuestionsOf(manager);
    std::vector<std::uint8_t> record = questions.ReadQuestion(static_cast<std::size_t>(n));
    if (RunEntryForm(manager, ContextFor(manager, services), record))
        questions.WriteQuestion(n, record);
}

void ViewQuestion(QuizManagerForm& manager, const ManagerServices& services) {
    const int n = ChooseQuestion(manager, 175, "Select a Question to View");
    if (n < 0)
        return;
    const std::vector<std::uint8_t> record =
        QuestionsOf(manager).ReadQuestion(static_cast<std::size_t>(n));
    if (services.viewQuestion)
        services.viewQuestion(manager, record);
}

void DeleteQuestion(QuizManagerForm& manager) {
    const int n = ChooseQuestion(manager, 185, "Select a Question to Delete");
    if (n < 0)
        return;
    QuestionFile questions = QuestionsOf(manager);
    const std::vector<std::uint8_t> record = questions.ReadQuestion(static_cast<std::size_t>(n));
    const std::string identifier = manager.kind() == QuizKind::QA
                                       ? FromBytes<TQARecord>(record).identifier()
                                       : FromBytes<TTMRecord>(record).identifier();
    const QString question = QStringLiteral("Question \"%1\" will be deleted.\n\r\n\rContinue?")
                                 .arg(ShownText(identifier));
    if (!manager.platform().AskYesNo(question))
        return;
    tavrin::DeleteQuestion(questions, static_cast<std::size_t>(n),
                           [&manager](const std::string& id) { RemoveInformation(manager, id); });
}

} // namespace tavrin
