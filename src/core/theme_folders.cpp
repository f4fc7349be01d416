#include "core/theme_folders.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <utility>
#include <vector>

namespace {
const QString kStoredPrefix = QStringLiteral("data\\");

void sortLikeAFileList(QStringList& names) {
    // Each name is folded once rather than at every comparison: hundreds of themes are sorted
    // each time the new-game list opens. Names differing only in case (possible on this file
    // system) keep a stable order.
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(names.size());
    for (const QString& name : names) keyed.emplace_back(name.toCaseFolded(), name);
    std::sort(keyed.begin(), keyed.end());
    for (qsizetype i = 0; i < names.size(); ++i) names[i] = keyed[i].second;
}

// The theme file names of one folder, unsorted; only the names are read, no file is opened.
QStringList themeFilesIn(const QString& folder) {
    if (folder.isEmpty()) return {};
    QStringList files;
    for (QDirIterator it(folder, QDir::Files); it.hasNext();) {
        const QString name = it.nextFileInfo().fileName();
        if (name.endsWith(QStringLiteral(".qrw"), Qt::CaseInsensitive)) files << name;
    }
    return files;
}
}  // namespace

QStringList ThemeFolders::list() const {
    QStringList names = themeFilesIn(user);
    const QSet<QString> own(names.begin(), names.end());
    for (const QString& name : themeFilesIn(shipped)) {
        if (!own.contains(name)) names << name;
    }
    sortLikeAFileList(names);
    return names;
}

QStringList ThemeFolders::listPaths() const {
    QStringList paths;
    for (const QString& name : list()) paths << pathOf(name);
    return paths;
}

QString ThemeFolders::pathOf(const QString& fileName) const {
    if (!user.isEmpty()) {
        const QString own = user + QLatin1Char('/') + fileName;
        if (QFileInfo::exists(own)) return own;
    }
    return shipped + QLatin1Char('/') + fileName;
}

bool ThemeFolders::hidesShipped(const QString& fileName) const {
    const QString shippedPath = shipped + QLatin1Char('/') + fileName;
    return pathOf(fileName) != shippedPath && QFileInfo::exists(shippedPath);
}

QString ThemeFolders::resolve(const QString& puzzleFile) const {
    QString name = puzzleFile;
    if (name.startsWith(kStoredPrefix, Qt::CaseInsensitive)) name.remove(0, kStoredPrefix.size());
    return pathOf(name);
}

bool ThemeFolders::makeUserFolder() const {
    return !user.isEmpty() && QDir().mkpath(user);
}

QString storedThemePath(const QString& fileName) {
    return kStoredPrefix + fileName;
}
