#include "service_events.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTimer>

namespace service_events {

bool runEventsUntil(const std::function<bool()>& done, int ms) {
    // A tick wakes the loop to look at `done` again, without keeping a core busy meanwhile.
    QTimer tick;
    tick.start(20);
    const QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}

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
