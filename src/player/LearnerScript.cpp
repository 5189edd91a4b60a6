#include "player/LearnerScript.h"

namespace tavrin {

LearnerScript LearnerScript::parse(const QString& text) {
    LearnerScript script;
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const qsizetype close = line.indexOf(QLatin1Char(']'));
        if (line.startsWith(QLatin1Char('[')) && close > 1) {
            QString answer = line.mid(close + 1);
            if (answer.startsWith(QLatin1Char(' ')))
                answer.remove(0, 1);
            script.keyed_.insert(line.mid(1, close - 1).toUpper(), answer);
        } else {
            script.inOrder_.append(line);
        }
    }
    return script;
}

QString LearnerScript::answerFor(const QString& identifier) {
    const auto keyed = keyed_.constFind(identifier.toUpper());
    if (keyed != keyed_.constEnd())
        return *keyed;
    if (next_ < inOrder_.size())
        return inOrder_.at(next_++);
    return {};
}

} // namespace tavrin
