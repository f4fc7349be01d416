#include "shell/main/command_line.h"

#include <QDir>
#include <QFileInfo>

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine line;
    bool optionsEnded = false;
    QStringList files;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == "-") {
            files << argument;
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            return {CommandLine::Action::Help, {}, {}};
        } else if (argument == QLatin1String("--version") || argument == QLatin1String("-v")) {
            return {CommandLine::Action::Version, {}, {}};
        } else if (argument != QLatin1String("--edit")) {
            return {CommandLine::Action::Error,
                    {},
                    QStringLiteral("unknown option '%1'").arg(argument)};
        }
    }
    if (files.size() > 1)
        return {
            CommandLine::Action::Error, {}, QStringLiteral("only one theme file can be edited")};
    if (!files.isEmpty()) line.editFile = QFileInfo(files.constFirst()).absoluteFilePath();
    return line;
}

QString commandLineHelp() {
    return QStringLiteral(
        "Usage: quarrow [--edit] [FILE]\n"
        "A word-search puzzle game.\n"
        "\n"
        "  --edit FILE    open the theme file FILE (*.qrw) in the puzzle editor; any other\n"
        "                 FILE is read as a word list (one word per line, or a word and its\n"
        "                 question parted by a tab or a dash) and put in a new puzzle\n"
        "  -h, --help     show this help and exit\n"
        "  -v, --version  show the version and exit\n"
        "\n"
        "Shipped themes are read from the program's data folder; themes you create are saved in\n"
        "$XDG_DATA_HOME/quarrow/data (normally ~/.local/share/quarrow/data).\n");
}

QString versionText() {
    return QStringLiteral("quarrow " QUARROW_VERSION "\n");
}

QString locateProgramFolder(const QString& executableFolder, const QString& installedRelative) {
    const QDir beside(executableFolder);
    if (beside.exists(QStringLiteral("data"))) return beside.absolutePath();
    const QDir installed(beside.filePath(installedRelative));
    if (installed.exists(QStringLiteral("data"))) return QDir::cleanPath(installed.absolutePath());
    return beside.absolutePath();
}
