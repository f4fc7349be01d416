#include "platform/sound/media_clock.h"

#include <QTimer>

#include <algorithm>
#include <climits>

void SteadyMediaClock::callAfter(std::chrono::milliseconds delay, QObject* context,
                                 std::function<void()> due) {
    // A wave header may claim a length of weeks: wait at most as long as a timer holds.
    const auto ms = std::clamp<std::chrono::milliseconds::rep>(delay.count(), 0, INT_MAX);
    QTimer::singleShot(int(ms), Qt::PreciseTimer, context, std::move(due));
}

SteadyMediaClock& SteadyMediaClock::instance() {
    static SteadyMediaClock clock;
    return clock;
}

void MediaAlarm::start(std::chrono::milliseconds delay) {
    // The alarm lives as long as its context, and a wait never outlives the context.
    clock_.callAfter(delay, context_, [this, generation = ++generation_] {
        if (generation == generation_) due_();
    });
}
