#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTemporaryFile>
#include <QTimer>

#include <optional>

class QAudioSink;

// One effect file, read into memory once and played on an audio sink of its own that stays
// started for the program's life: Qt's PulseAudio sink opens a new server stream on every start
// and leaves part of each stopped one allocated, so starting it per play grows without end. The
// sink is fed from memory no faster than the server takes the bytes, so a new play follows what
// the server already holds (at most the sink's buffer) rather than a queue of earlier plays. A
// sink that lost its server is rebuilt on the next play, and one that cannot reach it hands the
// effect to a media player.
class EffectVoice : public QObject {
    Q_OBJECT
  public:
    explicit EffectVoice(QString path, QObject* parent = nullptr);
    ~EffectVoice() override;

    // Starts the effect from its beginning; a play still sounding is cut short. Does nothing
    // when the file cannot be read as PCM wave samples.
    void play();
    // Drops the sink; the next play builds one on the current default output.
    void rebuild();

  private:
    bool load();
    bool startSink();
    void feed();  // hands the sink as many bytes as it has room for now
    void playThroughPlayer();
    bool writePaddedFile();

    QString path_;
    std::optional<bool> loaded_;
    QAudioFormat format_;
    QByteArray samples_;        // the sound followed by a little silence
    qsizetype soundBytes_ = 0;  // of them, the sound
    QByteArray header_;         // the file's bytes before its samples
    QTemporaryFile padded_;     // the samples as a file, for a media player
    QAudioSink* sink_ = nullptr;
    QPointer<QIODevice> device_;  // the sink's input while it plays
    qsizetype written_ = 0;       // of the samples, in this play
    qsizetype end_ = 0;           // where this play ends in them
    QTimer pump_;
    QTimer idle_;
};

// The sample format a wave header describes, or an invalid format when Qt cannot play it.
struct WaveLayout;
QAudioFormat audioFormatOf(const WaveLayout& layout);

// How many of the `left` bytes of a sound to hand an output that reports `room` bytes free (a
// negative count from an output that lost its server): no more than fit, in whole frames.
qsizetype bytesToFeed(qsizetype left, qsizetype room, int bytesPerFrame);
