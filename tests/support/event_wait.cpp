#include "support/event_wait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

bool runEventsUntil(const std::function<bool()>& done, int boundMs) {
    QTimer tick;  // wakes the loop to look at `done` again
    tick.start(20);
    const QDeadlineTimer bound(boundMs);
    while (!done() && !bound.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return done();
}
