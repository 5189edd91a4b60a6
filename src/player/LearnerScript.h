#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace tavrin {

// The answers a scripted learner gives, one line per question. A line
// "[ID] text" answers the question whose identifier is ID (compared without
// regard to case) wherever the random order puts it; any other line answers
// the next question that has no line of its own. For a match page every
// question on the page takes one answer; for a choice question the answer is
// the text of the choice to pick.
class LearnerScript {
public:
    // Lines end with LF or CR LF; a last line without text is no answer.
    static LearnerScript parse(const QString& text);

    // The keyed answer of this question, else the next unkeyed answer, else
    // an empty answer.
    QString answerFor(const QString& identifier);

private:
    QHash<QString, QString> keyed_;
    QStringList inOrder_;
    qsizetype next_ = 0;
};

} // namespace tavrin
