#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <filesystem>

namespace tavrin::test {

// What a player program run as a child process left behind.
struct PlayerRun {
    bool finished = false; // ended by itself within the time allowed
    int exitCode = -1;
    QStringList report; // the scripted learner's lines on standard output
    QString errors;     // standard error

    // Report lines that begin with this prefix, e.g. "screen: ".
    QStringList linesStartingWith(const QString& prefix) const;
};

// Starts `program` headless in `workingFolder` with the environment's extra
// variables, and waits for it to end.
PlayerRun RunPlayerProcess(const std::filesystem::path& program, const QStringList& arguments,
                           const std::filesystem::path& workingFolder,
                           const QProcessEnvironment& extra, int timeoutMs = 30000);

} // namespace tavrin::test
