#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTemporaryFile>
#include <QTimer>

#include <optional>

class QAudioSink;

// One effect file, read into memory once and played on a long-lived audio sink of its own.
// The sink is fed from memory and stopped only after the sound has drained from the server's
// buffer, so a click of a few milliseconds is heard in full; a sink that lost its server is
// rebuilt on the next play, and one that cannot reach it hands the effect to a media player.
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
    void feed();  // hands the sink as many bytes as it takes now
    void playThroughPlayer();
    bool writePaddedFile();

    QString path_;
    std::optional<bool> loaded_;
    QAudioFormat format_;
    QByteArray samples_;     // the sound followed by a little silence
    QByteArray header_;      // the file's bytes before its samples
    QTemporaryFile padded_;  // the samples as a file, for a media player
    QAudioSink* sink_ = nullptr;
    QPointer<QIODevice> device_;  // the sink's input while it plays
    qsizetype written_ = 0;
    QElapsedTimer sincePlay_;
    QTimer pump_;
    QTimer drain_;
};

// The sample format a wave header describes, or an invalid format when Qt cannot play it.
struct WaveLayout;
QAudioFormat audioFormatOf(const WaveLayout& layout);
