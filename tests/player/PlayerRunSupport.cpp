#include "PlayerRunSupport.h"

#include <QProcess>

namespace tavrin::test {

QStringList PlayerRun::linesStartingWith(const QString& prefix) const {
    QStringList lines;
    for (const QString& line : report)
        if (line.startsWith(prefix))
            lines.append(line);
    return lines;
}

PlayerRun RunPlayerProcess(const std::filesystem::path& program, const QStringList& arguments,
                           const std::filesystem::path& workingFolder,
                           const QProcessEnvironment& extra, int timeoutMs) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(extra);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QString::fromStdString(workingFolder.string()));
    process.start(QString::fromStdString(program.string()), arguments);
    PlayerRun run;
    run.finished = process.waitForFinished(timeoutMs);
    if (process.error() == QProcess::FailedToStart)
        run.errors = process.errorString();
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.report = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    if (!run.report.isEmpty() && run.report.back().isEmpty())
        run.report.removeLast();
    run.errors += QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace tavrin::test
