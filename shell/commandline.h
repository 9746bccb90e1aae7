#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks of the program at start.
struct StartOptions
{
    // Read the rating table from this file, with no search.
    std::optional<QString> tableFile = std::nullopt;
    // Append every line written into the log to this file.
    std::optional<QString> logFile = std::nullopt;
    // Open this session file once the windows are up.
    std::optional<QString> sessionFile = std::nullopt;
    // Where to look for the table after the working folder; this system's
    // places (tablesearch.h) unless set. Tests set it so that no table on the
    // machine can be found.
    std::optional<QStringList> otherTablePlaces = std::nullopt;
};

// The command line read: either start with the options, or print the output
// and end with the status, opening no window.
struct CommandLine
{
    StartOptions options;
    std::optional<int> exitStatus;
    QString output;
    bool toStandardError = false;
    // Set by the early parse only: the full parse answers (--check-table)
    // without a window, so a QCoreApplication serves it and no display is
    // needed.
    bool answersWithoutDisplay = false;
};

// Before QApplication exists, which needs a display: only --help and
// --version are answered here, so that both work on a bare terminal.
// Everything else, Qt's own options among it, is left for the full parse.
[[nodiscard]] CommandLine parseHelpOrVersion(const QStringList &arguments);

// After QApplication has taken its own options (-platform, -style, ...) out.
// An unknown option, a missing value or a second file name ends the program
// with the usage on standard error and status 2. --check-table is answered
// here: the table is checked and the report is the output.
[[nodiscard]] CommandLine parseCommandLine(const QStringList &arguments);

// What --help prints.
[[nodiscard]] QString helpText();

// Prints the output where it belongs; returns the exit status.
int printCommandLineOutput(const CommandLine &commandLine);

// The arguments as main() receives them, before QApplication can read them.
[[nodiscard]] QStringList rawArguments(int argc, const char *const *argv);
