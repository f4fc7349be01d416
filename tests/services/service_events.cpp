#include "service_events.h"

#include <QFile>

namespace service_events {

void pause(int ms) {
    runEventsUntil([] { return false; }, ms);
}

bool touch(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

bool handshake(const QString& folder, const QString& step) {
    if (!touch(folder + '/' + step)) return false;
    const QString answer = folder + '/' + step + QStringLiteral(".go");
    return runEventsUntil([&answer] { return QFile::exists(answer); }, 60'000);
}

}  // namespace service_events
