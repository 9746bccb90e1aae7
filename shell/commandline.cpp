#include "shell/commandline.h"

#include "rules/apperror.h"
#include "rules/tablecheck.h"
#include "shell/tablesearch.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>

#include <algorithm>
#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace Qt::StringLiterals;

namespace {

constexpr int UsageError = 2;

const QString ProgramName = QStringLiteral("corvane");

// The parser and its options, built the same way for both parses.
struct Parser
{
    Parser()
    {
        // Qt's own options are single-dash words (-platform, -reverse); read
        // as compacted letters they could spell -v or -h.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(
            QStringLiteral("Combat aid for Tesselwyn: 2D6 checks, rating rolls with criticals, and a log."));
        parser.addOption(help);
        parser.addOption(version);
        parser.addOption(table);
        parser.addOption(logFile);
        parser.addOption(checkTable);
        parser.addPositionalArgument(QStringLiteral("file"),
                                     QStringLiteral("Opens this session file (.corvane) once the windows are up; "
                                                    "with --check-table, the rating table to check."),
                                     QStringLiteral("[file]"));
    }

    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Displays help on commandline options.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Displays version information.")};
    QCommandLineOption table{QStringLiteral("table"),
                             QStringLiteral("Reads the rating table from <file> instead of looking for "
                                            "RatingTable.txt."),
                             QStringLiteral("file")};
    QCommandLineOption logFile{QStringLiteral("log-file"),
                               QStringLiteral("Appends every line written into the log to <file>, as it is "
                                              "written."),
                               QStringLiteral("file")};
    QCommandLineOption checkTable{QStringLiteral("check-table"),
                                  QStringLiteral("Checks the rating table [file], or the one the program would read, "
                                                 "and reports every line that a start or a roll would stop at.")};

    [[nodiscard]] QString helpText() const
    {
        // The parser names the program by the path it was started with, or by
        // a placeholder before QApplication exists; the help always says
        // "corvane", as the manual page does.
        const QString text = parser.helpText();
        return QStringLiteral("Usage: %1 [options] [file]").arg(ProgramName) + text.mid(text.indexOf(u'\n'));
    }

    // --help and --version, or nothing.
    [[nodiscard]] std::optional<CommandLine> answer() const
    {
        if (parser.isSet(help))
            return CommandLine{{}, 0, helpText(), false};
        if (parser.isSet(version))
            return CommandLine{
                {}, 0, QStringLiteral("%1 %2\n").arg(ProgramName, QStringLiteral(CORVANE_VERSION)), false};
        return std::nullopt;
    }
};

// Shown as the user would type it, wherever it was found.
QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(QDir::current().absoluteFilePath(path));
}

// --check-table: the table named, or else the one a start would read, with
// where it was looked for.
CommandLine checkTableAnswer(const std::optional<QString> &file)
{
    QStringList lines;
    QString name;
    if (file) {
        name = *file;
    } else {
        const TableSearch search = searchRatingTable(ratingTablePlaces());
        lines.append(u"Looked for %1 in:"_s.arg(RatingTableName));
        for (const QString &place : search.tried)
            lines.append(u"  "_s + shownPath(place));
        if (!search.found) {
            const QString startError = AppError::shownText(AppError::fileOpen(RatingTableName).message());
            lines.append(
                u"%1: error: none of these places has it; a start shows \"%2\""_s.arg(RatingTableName, startError));
            lines.append(
                u"%1: 表がどこにもありません。上のどこかに置くか、--table で指定します。"_s.arg(RatingTableName));
            return CommandLine{{}, 1, lines.join(u'\n') + u'\n', false};
        }
        lines.append(u"Found %1, the table the program reads:"_s.arg(shownPath(search.file)));
        name = search.file;
    }
    const TableCheck check = checkRatingTable(name);
    lines += check.report(QDir::toNativeSeparators(name));
    return CommandLine{{}, check.exitStatus(), lines.join(u'\n') + u'\n', false};
}

#ifdef Q_OS_WIN
// Wide text goes into a console whatever its code page; bytes would be read
// in that code page, one character per byte of a Japanese one. Written in
// pieces, since older consoles refuse a long write.
bool writeToConsole(HANDLE console, const QString &text)
{
    constexpr qsizetype Piece = 8192;
    for (qsizetype done = 0; done < text.size();) {
        DWORD written = 0;
        const auto count = DWORD(std::min(Piece, text.size() - done));
        if (!WriteConsoleW(console, text.utf16() + done, count, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}
#endif

// Writes the output where the user sees it. A console takes it as wide text;
// a file or a pipe gets UTF-8.
//
// A Windows program built for the desktop has no console of its own, so
// text printed to its streams would go nowhere. Started from a command
// prompt without its streams redirected, it writes into the prompt's
// console; started from Explorer or a shortcut it shows a message box, as
// Qt's own parser does.
void writeOut(const CommandLine &commandLine)
{
#ifdef Q_OS_WIN
    const HANDLE handle = GetStdHandle(commandLine.toStandardError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    const bool handed = handle && handle != INVALID_HANDLE_VALUE;
    DWORD mode = 0;
    if (handed && GetConsoleMode(handle, &mode) && writeToConsole(handle, commandLine.output))
        return;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    // Handles inherited without the flag (as Wine passes a redirection on)
    // count as redirected when they lead to a file or a pipe.
    const DWORD type = handed ? GetFileType(handle) : FILE_TYPE_UNKNOWN;
    const bool toStreams = GetConsoleWindow() || (startup.dwFlags & STARTF_USESTDHANDLES) || type == FILE_TYPE_DISK
        || type == FILE_TYPE_PIPE;
    if (!toStreams) {
        if (AttachConsole(ATTACH_PARENT_PROCESS)) {
            const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
            const bool shown = console != INVALID_HANDLE_VALUE && writeToConsole(console, commandLine.output);
            if (console != INVALID_HANDLE_VALUE)
                CloseHandle(console);
            FreeConsole();
            if (shown)
                return;
        }
        // A message box cannot scroll: a long report keeps its head and its
        // summary.
        constexpr qsizetype MostLines = 30;
        QStringList lines = commandLine.output.split(u'\n');
        if (lines.size() > MostLines)
            lines = lines.first(MostLines - 3) + QStringList{u"…"_s} + lines.last(2);
        const QString boxText = lines.join(u'\n');
        const UINT icon = commandLine.toStandardError ? MB_ICONERROR : MB_ICONINFORMATION;
        MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(boxText.utf16()),
                    reinterpret_cast<const wchar_t *>(ProgramName.utf16()), MB_OK | icon);
        return;
    }
#endif
    std::FILE *stream = commandLine.toStandardError ? stderr : stdout;
    std::fputs(commandLine.output.toUtf8().constData(), stream);
    std::fflush(stream);
}

} // namespace

CommandLine parseHelpOrVersion(const QStringList &arguments)
{
    Parser p;
    // Unknown options are Qt's own here, or mistakes the full parse reports.
    const bool parsed = p.parser.parse(arguments);
    if (std::optional<CommandLine> answer = p.answer())
        return *answer;
    CommandLine commandLine;
    // With Qt's options among the arguments, their values cannot be told
    // from a file name until QApplication has taken them.
    commandLine.answersWithoutDisplay = parsed && p.parser.isSet(p.checkTable);
    return commandLine;
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    Parser p;
    QString error;
    if (!p.parser.parse(arguments))
        error = p.parser.errorText();
    else if (p.parser.positionalArguments().size() > 1)
        error = QStringLiteral("Unexpected argument '%1'.").arg(p.parser.positionalArguments().at(1));
    else if (p.parser.isSet(p.checkTable) && p.parser.isSet(p.table) && !p.parser.positionalArguments().isEmpty())
        error = QStringLiteral("--check-table takes one table: [file] or --table, not both.");
    if (!error.isEmpty())
        return CommandLine{{}, UsageError, ProgramName + u": "_s + error + u"\n\n"_s + p.helpText(), true};
    if (std::optional<CommandLine> answer = p.answer())
        return *answer;
    if (p.parser.isSet(p.checkTable)) {
        std::optional<QString> file;
        if (p.parser.isSet(p.table))
            file = p.parser.value(p.table);
        if (!p.parser.positionalArguments().isEmpty())
            file = p.parser.positionalArguments().constFirst();
        return checkTableAnswer(file);
    }

    CommandLine commandLine;
    if (p.parser.isSet(p.table))
        commandLine.options.tableFile = p.parser.value(p.table);
    if (p.parser.isSet(p.logFile))
        commandLine.options.logFile = p.parser.value(p.logFile);
    if (!p.parser.positionalArguments().isEmpty())
        commandLine.options.sessionFile = p.parser.positionalArguments().constFirst();
    return commandLine;
}

QString helpText()
{
    return Parser().helpText();
}

int printCommandLineOutput(const CommandLine &commandLine)
{
    writeOut(commandLine);
    return commandLine.exitStatus.value_or(0);
}

QStringList rawArguments(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}
