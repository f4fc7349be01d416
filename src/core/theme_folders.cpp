#include "core/theme_folders.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {
const QString kStoredPrefix = QStringLiteral("data\\");

void sortLikeAFileList(QStringList& names) {
    // Names differing only in case (possible on this file system) keep a stable order.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
}
}  // namespace

QStringList listThemeFiles(const QString& folder) {
    if (folder.isEmpty()) return {};
    QStringList files;
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::NoSort)) {
        if (name.endsWith(QStringLiteral(".qrw"), Qt::CaseInsensitive)) files << name;
    }
    sortLikeAFileList(files);
    return files;
}

QStringList ThemeFolders::list() const {
    QStringList names = listThemeFiles(user);
    for (const QString& name : listThemeFiles(shipped)) {
        if (!names.contains(name)) names << name;
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
