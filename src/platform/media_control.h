#pragma once

#include <QString>

#include <functional>

// A media control driven by string commands, like the classic "waveaudio" device:
// "sound" plays the current file once without opening the device; "Open", "Play", "Stop",
// "Close" drive a tune. Commands are matched without regard to letter case; unknown ones are
// ignored. When a played tune ends - or cannot be played at all - the control reports Done, so
// nothing ever waits forever for a tune.
class MediaControl {
  public:
    virtual ~MediaControl() = default;
    virtual void setFileName(const QString& path) = 0;
    virtual QString fileName() const = 0;
    virtual void command(const QString& verb) = 0;

    // Called (asynchronously, from the event loop) when a tune started with "Play" has ended.
    void setOnDone(std::function<void()> onDone) { onDone_ = std::move(onDone); }

  protected:
    void reportDone() {
        if (onDone_) onDone_();
    }

  private:
    std::function<void()> onDone_;
};
