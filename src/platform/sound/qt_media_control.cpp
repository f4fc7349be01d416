#include "platform/sound/qt_media_control.h"

#include "platform/sound/effect_voice.h"
#include "platform/sound/wave_header.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFile>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

#include <algorithm>
#include <climits>

using namespace std::chrono_literals;

namespace {

// A player that started but never says it has finished gets this long beyond the file's length.
constexpr auto kEndGrace = 2000ms;
// The chunks before the samples are small; this covers them in any file we ship or meet.
constexpr qint64 kHeaderBytes = 64 * 1024;

bool hasAudioOutput() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

std::optional<std::chrono::milliseconds> waveLengthOf(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray head = file.read(kHeaderBytes);
    return waveDuration(std::string_view(head.constData(), std::size_t(head.size())),
                        std::uint64_t(file.size()));
}

}  // namespace

QtMediaControl::QtMediaControl(QObject* parent) : QObject(parent) {
    // A sound server that restarts, or a new default output, needs new sinks.
    connect(&devices_, &QMediaDevices::audioOutputsChanged, this, [this] {
        for (EffectVoice* voice : std::as_const(effects_)) voice->rebuild();
    });
    doneTimer_.setSingleShot(true);
    doneTimer_.setTimerType(Qt::PreciseTimer);  // a coarse timer may end a tune 5% early
    connect(&doneTimer_, &QTimer::timeout, this, &QtMediaControl::deliverDone);
}

QtMediaControl::~QtMediaControl() {
    // The player may still signal while it is torn down; let that happen while we are whole.
    donePending_ = false;
    delete player_;
}

void QtMediaControl::setFileName(const QString& path) {
    fileName_ = path;
}

void QtMediaControl::command(const QString& verb) {
    const QString name = verb.trimmed().toLower();
    if (name == QLatin1String("sound"))
        playEffect();
    else if (name == QLatin1String("open"))
        open();
    else if (name == QLatin1String("play"))
        play();
    else if (name == QLatin1String("stop"))
        stop();
    else if (name == QLatin1String("close"))
        close();
}

void QtMediaControl::playEffect() {
    // Nothing to hear without an output.
    if (fileName_.isEmpty() || !hasAudioOutput()) return;
    EffectVoice*& effect = effects_[fileName_];
    if (!effect) effect = new EffectVoice(fileName_, this);
    effect->play();
}

void QtMediaControl::open() {
    close();
    isOpen_ = true;
    openedLength_ = waveLengthOf(fileName_);
    // With no output the player has nothing to play into; the length alone times the tune.
    usePlayer_ = QFile::exists(fileName_) && hasAudioOutput();
    playerFailed_ = false;
    if (usePlayer_) player().setSource(QUrl::fromLocalFile(fileName_));
}

void QtMediaControl::play() {
    if (!isOpen_) open();
    donePending_ = true;
    sincePlay_.start();
    const auto length = openedLength_.value_or(0ms);
    if (usePlayer_ && !playerFailed_) {
        player_->play();
        if (openedLength_)
            finishIn(length + kEndGrace);
        else
            doneTimer_.stop();
    } else {
        finishIn(length);
    }
}

void QtMediaControl::stop() {
    donePending_ = false;
    doneTimer_.stop();
    if (player_ && !playerFailed_) player_->stop();
}

void QtMediaControl::close() {
    stop();
    if (playerFailed_) {
        // A GStreamer pipeline that failed blocks for a second on its next state change, while
        // deleting it is instant; a fresh player costs a few milliseconds.
        delete player_;
        player_ = nullptr;
        playerFailed_ = false;
    } else if (usePlayer_) {
        player_->setSource(QUrl());
    }
    isOpen_ = false;
    usePlayer_ = false;
    openedLength_.reset();
}

QMediaPlayer& QtMediaControl::player() {
    if (!player_) {
        player_ = new QMediaPlayer(this);
        player_->setAudioOutput(new QAudioOutput(player_));
        connect(player_, &QMediaPlayer::mediaStatusChanged, this,
                [this](QMediaPlayer::MediaStatus status) {
                    if (status == QMediaPlayer::EndOfMedia)
                        onPlayerEnded();
                    else if (status == QMediaPlayer::InvalidMedia)
                        onPlayerFailed();
                });
        connect(player_, &QMediaPlayer::errorOccurred, this, &QtMediaControl::onPlayerFailed);
    }
    return *player_;
}

void QtMediaControl::onPlayerEnded() {
    if (donePending_) finishIn(0ms);
}

void QtMediaControl::onPlayerFailed() {
    playerFailed_ = true;
    if (!donePending_) return;
    // Keep the tune's timing: Done when it would have ended.
    const auto elapsed = std::chrono::milliseconds(sincePlay_.elapsed());
    finishIn(std::max(openedLength_.value_or(0ms) - elapsed, 0ms));
}

void QtMediaControl::finishIn(std::chrono::milliseconds delay) {
    doneTimer_.start(int(std::min<std::chrono::milliseconds::rep>(delay.count(), INT_MAX)));
}

void QtMediaControl::deliverDone() {
    if (!donePending_) return;
    donePending_ = false;
    reportDone();
}
