#include "platform/sound/media_backend.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>

namespace {
const QString kGStreamer = QStringLiteral("gstreamer");
constexpr char kBackendVariable[] = "QT_MEDIA_BACKEND";
}  // namespace

QString mediaBackendToChoose(const QString& userChoice, const QStringList& installed) {
    if (!userChoice.isEmpty() || !installed.contains(kGStreamer)) return {};
    return kGStreamer;
}

QStringList installedMediaBackends() {
    QStringList keys;
    for (const QString& folder : QCoreApplication::libraryPaths()) {
        const QDir plugins(folder + QStringLiteral("/multimedia"));
        for (const QString& file : plugins.entryList(QDir::Files)) {
            // Reads the plugin's description only; nothing is loaded.
            const QJsonObject meta = QPluginLoader(plugins.filePath(file))
                                         .metaData()
                                         .value(QLatin1String("MetaData"))
                                         .toObject();
            for (const QJsonValue key : meta.value(QLatin1String("Keys")).toArray())
                keys << key.toString();
        }
    }
    return keys;
}

void chooseMediaBackend() {
    const QString backend =
        mediaBackendToChoose(qEnvironmentVariable(kBackendVariable), installedMediaBackends());
    if (!backend.isEmpty()) qputenv(kBackendVariable, backend.toUtf8());
}
