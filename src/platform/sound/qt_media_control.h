#pragma once

#include "platform/media_control.h"
#include "platform/sound/media_clock.h"

#include <QObject>

class MediaEngine;
class MediaThread;

// The media control on Qt Multimedia. Commands are handed to a media engine on the media thread
// and return at once, so no command ever waits on the sound system; the engine's report that a
// tune ended comes back here and becomes Done, from the event loop.
//
// Done follows every "Play" exactly once unless "Stop", "Close" or a later "Play" comes first
// (an end already on its way back for a cancelled Play is dropped): when the engine reports the
// tune's end (see MediaEngine), or at the latest a grace period after the length the wave header
// gives, so a waiting splash or a looping tune never hangs on a player that never reports its
// end or on a sound system that does not answer.
class QtMediaControl : public QObject, public MediaControl {
    Q_OBJECT

  public:
    explicit QtMediaControl(MediaThread& thread, MediaClock& clock = SteadyMediaClock::instance(),
                            QObject* parent = nullptr);
    ~QtMediaControl() override;

    void setFileName(const QString& path) override;
    QString fileName() const override { return fileName_; }
    void command(const QString& verb) override;

  private:
    void onTuneEnded(quint64 play);
    void deliverDone();

    QString fileName_;
    quint64 play_ = 0;          // the latest "Play"
    bool donePending_ = false;  // it awaits its Done
    MediaClock& clock_;
    MediaAlarm lateDone_;
    MediaEngine* engine_;  // lives on the media thread
};
