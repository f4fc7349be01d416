#include "support/test_env.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace {
QString makeProgramFolder(const QTemporaryDir& dir) {
    const QString folder = dir.path() + QStringLiteral("/program");
    QDir().mkpath(folder + QStringLiteral("/data"));
    QDir().mkpath(folder + QStringLiteral("/sfx"));
    return folder;
}
}  // namespace

TestEnv::TestEnv()
    : settings(std::make_unique<IniSettingsStore>(dir.path() + QStringLiteral("/QRW/QRW.ini"))),
      sound(state, media, makeProgramFolder(dir) + QStringLiteral("/sfx")),
      services{state,
               dialogs,
               *settings,
               sound,
               shell,
               dir.path() + QStringLiteral("/program"),
               dir.path() + QStringLiteral("/home/.local/share/quarrow/data"),
               dir.path() + QStringLiteral("/home/.local/state/quarrow/saved-game")} {}

void TestEnv::writeFile(const QString& relativePath, const QByteArray& bytes) const {
    const QString path = programFolder() + '/' + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write test file");
    file.write(bytes);
}
