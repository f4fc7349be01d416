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
// (about 150 ms for Qt's sinks on PulseAudio), and again after each time it ran dry, so without
// it a short click is never played at all. A media player needs the longer tail; a sink is
// handed only what fills its buffer, plus a margin, as a play that follows soon after waits
// behind whatever silence the server still holds.
constexpr int kTailMs = 500;
constexpr int kSinkTailMarginMs = 50;
// What the sink holds ahead of the server: the most a new play waits behind an earlier one.
constexpr int kSinkBufferMs = 150;
// How often the sink is offered the next bytes; its buffer holds well over this.
constexpr int kPumpMs = 20;
// Without a play for this long the sink is dropped, so an idle game keeps neither the output
// device nor Qt's sink timer awake; what Qt leaves of each stream then grows with idle spells,
// not with plays. (Not corked instead: on a stream whose server has just gone, Qt's suspend and
// resume hand libpulse a null operation to wait on, which it asserts against.)
constexpr int kIdleReleaseMs = 20'000;
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

qsizetype bytesToFeed(qsizetype left, qsizetype room, int bytesPerFrame) {
    if (room <= 0 || left <= 0 || bytesPerFrame <= 0) return 0;
    return std::min(left, room - room % bytesPerFrame);
}

EffectVoice::EffectVoice(QString path, QObject* parent) : QObject(parent), path_(std::move(path)) {
    pump_.setInterval(kPumpMs);
    connect(&pump_, &QTimer::timeout, this, &EffectVoice::feed);
    idle_.setSingleShot(true);
    idle_.setInterval(kIdleReleaseMs);
    connect(&idle_, &QTimer::timeout, this, &EffectVoice::rebuild);
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
    soundBytes_ = samples_.size();
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
    if (sink_ && (sink_->error() == QAudio::FatalError || !device_)) rebuild();
    if (!sink_ && !startSink()) {
        playThroughPlayer();
        return;
    }
    idle_.start();
    written_ = 0;
    end_ = std::min(samples_.size(),
                    std::max(soundBytes_, sink_->bufferSize() +
                                              format_.bytesForDuration(kSinkTailMarginMs * 1000)));
    feed();
    if (written_ < end_) pump_.start();
}

bool EffectVoice::startSink() {
    sink_ = new QAudioSink(QMediaDevices::defaultAudioOutput(), format_);
    sink_->setBufferSize(format_.bytesForDuration(kSinkBufferMs * 1000));
    // Pushed, not pulled: Qt's pull mode on PulseAudio stalls when the server's buffer is
    // nearly full and never starts a short sound.
    device_ = sink_->start();
    if (device_) return true;
    rebuild();
    return false;
}

void EffectVoice::feed() {
    if (device_) {
        const qsizetype size =
            bytesToFeed(end_ - written_, sink_->bytesFree(), format_.bytesPerFrame());
        if (size > 0)
            written_ += std::max<qint64>(device_->write(samples_.constData() + written_, size), 0);
    }
    if (!device_ || written_ >= end_) pump_.stop();
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
    pump_.stop();
    idle_.stop();
    delete sink_;
    sink_ = nullptr;
}
