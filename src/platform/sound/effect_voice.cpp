#include "platform/sound/effect_voice.h"

#include "platform/sound/wave_header.h"

#include <QAudioOutput>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

#include <algorithm>

namespace {

// Silence after the sound. A sound server starts a stream only once its buffer has filled
// (about 150 ms for Qt's sinks on PulseAudio), so without it a short click is never played at
// all; and by the time the sink has taken the silence too, the sound itself has been heard.
constexpr int kTailMs = 500;
// Beyond the length of the sound and its tail, before the sink is stopped.
constexpr int kDrainMs = 300;
// Asked for each start: Qt shrinks a reused sink's buffer on every restart otherwise.
constexpr int kSinkBufferMs = 150;
// How often the sink is offered the next bytes; its buffer holds well over this.
constexpr int kPumpMs = 20;
constexpr int kFloatTag = 3;

}  // namespace

QAudioFormat audioFormatOf(const WaveLayout& layout) {
    QAudioFormat format;
    const bool pcm = layout.formatTag == 1;
    const bool isFloat = layout.formatTag == kFloatTag && layout.bitsPerSample == 32;
    QAudioFormat::SampleFormat sample = QAudioFormat::Unknown;
    if (pcm && layout.bitsPerSample == 8) sample = QAudioFormat::UInt8;
    if (pcm && layout.bitsPerSample == 16) sample = QAudioFormat::Int16;
    if (pcm && layout.bitsPerSample == 32) sample = QAudioFormat::Int32;
    if (isFloat) sample = QAudioFormat::Float;
    if (sample == QAudioFormat::Unknown || layout.channels == 0 || layout.sampleRate == 0)
        return {};
    format.setSampleFormat(sample);
    format.setChannelCount(layout.channels);
    format.setSampleRate(int(layout.sampleRate));
    return format;
}

EffectVoice::EffectVoice(QString path, QObject* parent) : QObject(parent), path_(std::move(path)) {
    drain_.setSingleShot(true);
    connect(&drain_, &QTimer::timeout, this, [this] {
        if (sink_) sink_->stop();
    });
    pump_.setInterval(kPumpMs);
    connect(&pump_, &QTimer::timeout, this, &EffectVoice::feed);
}

EffectVoice::~EffectVoice() {
    delete sink_;
}

bool EffectVoice::load() {
    if (loaded_) return *loaded_;
    loaded_ = false;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    const auto layout = waveLayout(std::string_view(bytes.constData(), std::size_t(bytes.size())),
                                   std::uint64_t(bytes.size()));
    if (!layout) return false;
    format_ = audioFormatOf(*layout);
    if (!format_.isValid()) return false;
    samples_ = bytes.mid(qsizetype(layout->dataOffset), qsizetype(layout->dataBytes));
    // Whole frames only, then the tail of silence (unsigned 8-bit silence is the middle value).
    samples_.chop(samples_.size() % format_.bytesPerFrame());
    const char silence = format_.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : char(0);
    samples_.append(QByteArray(format_.bytesForDuration(kTailMs * 1000), silence));
    header_ = bytes.left(qsizetype(layout->dataOffset));
    loaded_ = true;
    return true;
}

// The file's own header before the samples with their tail, sizes set to match.
bool EffectVoice::writePaddedFile() {
    if (padded_.isOpen()) return true;
    QByteArray wave = header_ + samples_;
    const auto putSize = [&wave](qsizetype at, qsizetype size) {
        for (int byte = 0; byte < 4; ++byte)
            wave[at + byte] = char((quint32(size) >> (8 * byte)) & 0xff);
    };
    putSize(4, wave.size() - 8);
    putSize(header_.size() - 4, samples_.size());
    return padded_.open() && padded_.write(wave) == wave.size() && padded_.flush();
}

void EffectVoice::play() {
    if (!load()) return;
    if (sink_ && sink_->error() == QAudio::FatalError) rebuild();
    if (!sink_) sink_ = new QAudioSink(QMediaDevices::defaultAudioOutput(), format_);
    drain_.stop();
    if (sink_->state() != QAudio::StoppedState) sink_->stop();
    // Pushed, not pulled: Qt's pull mode on PulseAudio stalls when the server's buffer is
    // nearly full and never starts a short sound.
    sink_->setBufferSize(format_.bytesForDuration(kSinkBufferMs * 1000));
    device_ = sink_->start();
    if (!device_) {
        playThroughPlayer();
        return;
    }
    sincePlay_.start();
    written_ = 0;
    feed();
    if (written_ < samples_.size()) pump_.start();
}

void EffectVoice::feed() {
    while (device_ && written_ < samples_.size()) {
        const qint64 taken =
            device_->write(samples_.constData() + written_, samples_.size() - written_);
        if (taken <= 0) break;
        written_ += taken;
    }
    if (!device_ || written_ >= samples_.size()) {
        pump_.stop();
        // The server may take every byte at once: stop once they can all have been played.
        const qint64 length = format_.durationForBytes(qint32(samples_.size())) / 1000;
        if (device_)
            drain_.start(int(std::max<qint64>(length - sincePlay_.elapsed(), 0)) + kDrainMs);
    }
}

void EffectVoice::playThroughPlayer() {
    // Qt's own connection to the sound server gives up for good when the server is away for
    // more than a few seconds; a media player connects afresh for each source it plays. It
    // takes longer to start than a player takes between two clicks, so each plays to its end
    // rather than being cut off, unheard, by the next; and it plays the sound with its tail of
    // silence, as a short click alone is never played.
    if (!writePaddedFile()) return;
    auto* player = new QMediaPlayer(this);
    player->setAudioOutput(new QAudioOutput(player));
    connect(player, &QMediaPlayer::mediaStatusChanged, player,
            [player](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia)
                    player->deleteLater();
            });
    connect(player, &QMediaPlayer::errorOccurred, player, &QObject::deleteLater);
    player->setSource(QUrl::fromLocalFile(padded_.fileName()));
    player->play();
}

void EffectVoice::rebuild() {
    drain_.stop();
    pump_.stop();
    delete sink_;
    sink_ = nullptr;
}
