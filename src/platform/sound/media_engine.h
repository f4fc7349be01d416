#pragma once

#include "platform/sound/media_clock.h"

#include <QHash>
#include <QObject>

#include <chrono>
#include <optional>

class EffectVoice;
class QMediaDevices;
class QMediaPlayer;

enum class MediaVerb { Sound, Open, Play, Stop, Close };

// How long a wave file plays, from its header; nothing for a missing or unreadable file.
std::optional<std::chrono::milliseconds> waveFileLength(const QString& path);

// Does what a media control's commands ask, on the thread it lives on. Tunes ("Open", "Play",
// "Stop", "Close") go through a media player per file, built on first use because it is slow to
// build, and kept; effects ("Sound") go through a voice per file, with an audio sink of its own,
// so a click never cuts a tune off.
//
// tuneEnded(play) follows a "Play" at most once, and not after "Stop", "Close" or a later
// "Play": when the player reaches the end of the file; or, when there is no audio output, the
// file is missing or the player fails, after the length the wave header gives (at once when it
// gives none).
class MediaEngine : public QObject {
    Q_OBJECT

  public:
    explicit MediaEngine(MediaClock& clock, QObject* parent = nullptr);
    ~MediaEngine() override;

    // `play` names a "Play" in tuneEnded; `issued` is when the caller gave the command, on the
    // same clock: an effect that could not start soon after is dropped rather than played late.
    void run(MediaVerb verb, const QString& file, quint64 play, MediaClock::Time issued);

  signals:
    void tuneEnded(quint64 play);

  private:
    void playEffect(const QString& file);
    void open(const QString& file);
    void play(const QString& file, quint64 play);
    void stop();
    void close();

    QMediaPlayer* newPlayer();
    bool isKept(const QMediaPlayer* player) const;
    void onPlayerFailed(QMediaPlayer* player);
    void watchOutputs();
    void onOutputsChanged();
    void onPlayerEnded();
    void deliverDone();

    std::optional<std::chrono::milliseconds> openedLength_;
    bool isOpen_ = false;
    bool usePlayer_ = false;  // the opened file went to the player (an output exists)
    bool playerFailed_ = false;

    MediaClock& clock_;
    bool donePending_ = false;  // a "Play" awaits its end
    quint64 play_ = 0;
    MediaClock::Time playedAt_;
    MediaAlarm done_;

    QHash<QString, QMediaPlayer*> players_;
    QMediaPlayer* player_ = nullptr;    // the open tune's; not in players_ once dropped
    QMediaDevices* devices_ = nullptr;  // built with the first player or voice, on this thread
    QHash<QString, EffectVoice*> effects_;
};
