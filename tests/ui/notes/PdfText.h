#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace tavrin::test {

// The non-empty lines of a printed PDF as pdftotext reads them back, trimmed.
inline QStringList PrintedLines(const QString& pdf) {
    QProcess reader;
    reader.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                 {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!reader.waitForFinished(20000))
        return {QStringLiteral("(pdftotext did not run)")};
    QStringList lines = QString::fromUtf8(reader.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines;
}

} // namespace tavrin::test
