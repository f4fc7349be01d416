#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for: "quarrow [--edit] [FILE]", "--help", "--version".
struct CommandLine {
    enum class Action { Play, Help, Version, Error };
    Action action = Action::Play;
    QString editFile;  // a theme file to open in the editor once the game has started
    QString error;     // what was wrong, for Action::Error
};

// `arguments` includes the program name first, as QCoreApplication::arguments() gives them.
// `--edit` with no file (a desktop entry started from the menu) plays as usual.
CommandLine parseCommandLine(const QStringList& arguments);

QString commandLineHelp();
QString versionText();

// The folder holding data/, sfx/ and ReadMe.htm: beside the executable (the build folder, or a
// program folder moved anywhere), else `installedRelative` from it (../share/quarrow when
// installed under a prefix). Only relative steps from the executable, so a moved tree works.
QString locateProgramFolder(const QString& executableFolder, const QString& installedRelative);
