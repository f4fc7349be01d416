#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

class QObject;

// Time as the media layer sees it: how old a command is, and waits for a tune's end. The
// steady clock serves the program; tests move a clock of their own by hand.
class MediaClock {
  public:
    using Time = std::chrono::steady_clock::time_point;

    virtual ~MediaClock() = default;
    virtual Time now() const = 0;
    // Calls `due` on `context`'s thread once `delay` has passed, unless `context` is gone by
    // then. Called on `context`'s thread.
    virtual void callAfter(std::chrono::milliseconds delay, QObject* context,
                           std::function<void()> due) = 0;
};

// The steady clock, with precise single-shot timers (a coarse one may end a tune 5% early).
class SteadyMediaClock : public MediaClock {
  public:
    Time now() const override { return std::chrono::steady_clock::now(); }
    void callAfter(std::chrono::milliseconds delay, QObject* context,
                   std::function<void()> due) override;

    static SteadyMediaClock& instance();
};

// One pending wait on a media clock, owned by `context`: starting it again or stopping it drops
// the wait before, as with a single-shot timer.
class MediaAlarm {
  public:
    MediaAlarm(MediaClock& clock, QObject* context, std::function<void()> due)
        : clock_(clock), context_(context), due_(std::move(due)) {}

    void start(std::chrono::milliseconds delay);
    void stop() { ++generation_; }

  private:
    MediaClock& clock_;
    QObject* context_;
    std::function<void()> due_;
    std::uint64_t generation_ = 0;
};
