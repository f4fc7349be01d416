#pragma once

#include "platform/sound/media_clock.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <algorithm>
#include <mutex>
#include <vector>

// A media clock that stands still until a test moves it. A wait that falls due is handed to its
// context's thread in the order the waits fall due; a wait of no time is handed over at once,
// as a zero timer fires on the next turn of the loop. Any thread may wait on it.
class ManualMediaClock : public MediaClock {
  public:
    Time now() const override {
        std::lock_guard lock(mutex_);
        return now_;
    }
    void callAfter(std::chrono::milliseconds delay, QObject* context,
                   std::function<void()> due) override {
        std::lock_guard lock(mutex_);
        waits_.push_back({now_ + delay, context, std::move(due)});
        handOverDue();
    }
    void advance(std::chrono::milliseconds by) {
        std::lock_guard lock(mutex_);
        now_ += by;
        handOverDue();
    }

  private:
    struct Wait {
        Time due;
        QPointer<QObject> context;
        std::function<void()> call;
    };
    void handOverDue() {
        std::stable_sort(waits_.begin(), waits_.end(),
                         [](const Wait& a, const Wait& b) { return a.due < b.due; });
        auto wait = waits_.begin();
        for (; wait != waits_.end() && wait->due <= now_; ++wait)
            if (wait->context)
                QMetaObject::invokeMethod(wait->context, std::move(wait->call),
                                          Qt::QueuedConnection);
        waits_.erase(waits_.begin(), wait);
    }

    mutable std::mutex mutex_;
    Time now_;
    std::vector<Wait> waits_;
};
