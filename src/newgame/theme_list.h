#pragma once

#include <QString>
#include <QStringList>

struct Services;

// Theme files of a folder: names ending in ".qrw" in any letter case, sorted the way a file
// list box sorts them (alphabetically, ignoring case).
QStringList listThemeFiles(const QString& folder);

// The path stored for a game ("data\" + file name, relative to the program folder).
QString storedThemePath(const QString& fileName);
// The real path of the game's theme: state.puzzleFile "data\name" -> dataFolder()/name.
QString themePathFor(const Services& services);
