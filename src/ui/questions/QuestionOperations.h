#pragma once

#include "ui/shell/ManagerServices.h"

namespace tavrin {

class QuizManagerForm;

// The question operations of a quiz manager, for the manager's quiz kind.
// File errors propagate to the manager, which reports them.
void AddQuestions(QuizManagerForm& manager, const ManagerServices& services);
void EditQuestion(QuizManagerForm& manager, const ManagerServices& services);
void ViewQuestion(QuizManagerForm& manager, const ManagerServices& services);
void DeleteQuestion(QuizManagerForm& manager);

} // namespace tavrin
