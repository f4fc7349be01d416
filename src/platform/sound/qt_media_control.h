#pragma once

#include "platform/media_control.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMediaDevices>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <optional>

class QMediaPlayer;
class EffectVoice;

// The media control on Qt Multimedia. Tunes ("Open", "Play", "Stop", "Close") go through one
// media player, created on first use because it is slow to build; effects ("sound") go through
// a voice per file, with an audio sink of its own, so a click never cuts a tune off.
//
// Done follows every "Play" exactly once, from the event loop, unless "Stop", "Close" or a
// later "Play" comes first: when the player reaches the end of the file; or, when there is no
// audio output, the file is missing or the player fails, after the length the wave header gives
// (at once when it gives none). A player that never reports its end is given that length plus a
// grace period, so a waiting splash or a looping tune never hangs.
class QtMediaControl : public QObject, public MediaControl {
    Q_OBJECT

  public:
    explicit QtMediaControl(QObject* parent = nullptr);
    ~QtMediaControl() override;

    void setFileName(const QString& path) override;
    QString fileName() const override { return fileName_; }
    void command(const QString& verb) override;

  private:
    void playEffect();
    void open();
    void play();
    void stop();
    void close();

    QMediaPlayer& player();
    void onPlayerEnded();
    void onPlayerFailed();
    void finishIn(std::chrono::milliseconds delay);
    void deliverDone();

    QString fileName_;
    std::optional<std::chrono::milliseconds> openedLength_;
    bool isOpen_ = false;
    bool usePlayer_ = false;  // the opened file went to the player (an output exists)
    bool playerFailed_ = false;

    bool donePending_ = false;  // a "Play" awaits its Done
    QElapsedTimer sincePlay_;
    QTimer doneTimer_;

    QMediaPlayer* player_ = nullptr;
    QMediaDevices devices_;
    QHash<QString, EffectVoice*> effects_;
};
