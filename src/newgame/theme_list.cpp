#include "newgame/theme_list.h"

#include "core/game_state.h"
#include "platform/services.h"

#include <QDir>

#include <algorithm>

QStringList listThemeFiles(const QString& folder) {
    QStringList files;
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::NoSort)) {
        if (name.endsWith(QStringLiteral(".qrw"), Qt::CaseInsensitive)) files << name;
    }
    // Names differing only in case (possible on this file system) keep a stable order.
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return files;
}

QString storedThemePath(const QString& fileName) {
    return QStringLiteral("data\\") + fileName;
}

QString themePathFor(const Services& services) {
    QString name = services.state.puzzleFile;
    const QString prefix = QStringLiteral("data\\");
    if (name.startsWith(prefix, Qt::CaseInsensitive)) name.remove(0, prefix.size());
    return services.dataFolder() + '/' + name;
}
