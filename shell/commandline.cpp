#include "shell/commandline.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

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
        parser.addPositionalArgument(QStringLiteral("file"),
                                     QStringLiteral("Opens this session file (.corvane) once the windows are up."),
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

// A Windows program built for the desktop has no console of its own, so
// text printed to its streams would go nowhere. With its output redirected
// it goes there; started from a command prompt it is written into the
// prompt's console; started from Explorer or a shortcut it is shown in a
// message box, as Qt's own parser does. Returns whether the text was shown
// by one of these instead of the streams.
bool shownOutsideTheStreams(const CommandLine &commandLine)
{
#ifdef Q_OS_WIN
    if (GetConsoleWindow())
        return false;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    if (startup.dwFlags & STARTF_USESTDHANDLES)
        return false;
    // Handles inherited without that flag (as Wine passes a redirection on)
    // count as redirected when they lead to a file or a pipe.
    const HANDLE stream = GetStdHandle(commandLine.toStandardError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    const DWORD type = stream && stream != INVALID_HANDLE_VALUE ? GetFileType(stream) : FILE_TYPE_UNKNOWN;
    if (type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE)
        return false;
    const auto *text = reinterpret_cast<const wchar_t *>(commandLine.output.utf16());
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                           nullptr, OPEN_EXISTING, 0, nullptr);
        DWORD written = 0;
        const bool shown = console != INVALID_HANDLE_VALUE
            && WriteConsoleW(console, text, DWORD(commandLine.output.size()), &written, nullptr);
        if (console != INVALID_HANDLE_VALUE)
            CloseHandle(console);
        FreeConsole();
        if (shown)
            return true;
    }
    const UINT icon = commandLine.toStandardError ? MB_ICONERROR : MB_ICONINFORMATION;
    MessageBoxW(nullptr, text, reinterpret_cast<const wchar_t *>(ProgramName.utf16()), MB_OK | icon);
    return true;
#else
    Q_UNUSED(commandLine);
    return false;
#endif
}

} // namespace

CommandLine parseHelpOrVersion(const QStringList &arguments)
{
    Parser p;
    // Unknown options are Qt's own here, or mistakes the full parse reports.
    (void)p.parser.parse(arguments);
    return p.answer().value_or(CommandLine{});
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    Parser p;
    QString error;
    if (!p.parser.parse(arguments))
        error = p.parser.errorText();
    else if (p.parser.positionalArguments().size() > 1)
        error = QStringLiteral("Unexpected argument '%1'.").arg(p.parser.positionalArguments().at(1));
    if (!error.isEmpty())
        return CommandLine{{}, UsageError, ProgramName + u": "_s + error + u"\n\n"_s + p.helpText(), true};
    if (std::optional<CommandLine> answer = p.answer())
        return *answer;

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
    if (shownOutsideTheStreams(commandLine))
        return commandLine.exitStatus.value_or(0);
    std::FILE *stream = commandLine.toStandardError ? stderr : stdout;
    std::fputs(commandLine.output.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return commandLine.exitStatus.value_or(0);
}

QStringList rawArguments(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}
