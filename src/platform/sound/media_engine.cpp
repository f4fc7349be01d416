#include "platform/sound/media_engine.h"

#include "platform/sound/effect_voice.h"
#include "platform/sound/wave_header.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFile>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

#include <algorithm>

using namespace std::chrono_literals;

namespace {

// An effect is heard with the move that caused it, or not at all.
constexpr auto kEffectStaleAfter = 300ms;
// The chunks before the samples are small; this covers them in any file we ship or meet.
constexpr qint64 kHeaderBytes = 64 * 1024;

bool hasAudioOutput() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

}  // namespace

std::optional<std::chrono::milliseconds> waveFileLength(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray head = file.read(kHeaderBytes);
    return waveDuration(std::string_view(head.constData(), std::size_t(head.size())),
                        std::uint64_t(file.size()));
}

MediaEngine::MediaEngine(MediaClock& clock, QObject* parent)
    : QObject(parent), clock_(clock), done_(clock, this, [this] { deliverDone(); }) {}

MediaEngine::~MediaEngine() {
    // A player may still signal while it is torn down; let that happen while we are whole.
    donePending_ = false;
    if (!isKept(player_)) delete player_;
    qDeleteAll(players_);
}

bool MediaEngine::isKept(const QMediaPlayer* player) const {
    return std::find(players_.cbegin(), players_.cend(), player) != players_.cend();
}

void MediaEngine::run(MediaVerb verb, const QString& file, quint64 play, MediaClock::Time issued) {
    switch (verb) {
        case MediaVerb::Sound:
            if (clock_.now() - issued < kEffectStaleAfter) playEffect(file);
            break;
        case MediaVerb::Open:
            open(file);
            break;
        case MediaVerb::Play:
            this->play(file, play);
            break;
        case MediaVerb::Stop:
            stop();
            break;
        case MediaVerb::Close:
            close();
            break;
    }
}

void MediaEngine::playEffect(const QString& file) {
    // Nothing to hear without an output.
    if (file.isEmpty() || !hasAudioOutput()) return;
    watchOutputs();
    EffectVoice*& effect = effects_[file];
    if (!effect) effect = new EffectVoice(file, this);
    effect->play();
}

void MediaEngine::watchOutputs() {
    if (devices_) return;
    devices_ = new QMediaDevices(this);
    connect(devices_, &QMediaDevices::audioOutputsChanged, this, &MediaEngine::onOutputsChanged);
}

// A sound server that restarts, or a new default output, needs new sinks and players.
void MediaEngine::onOutputsChanged() {
    for (EffectVoice* voice : std::as_const(effects_)) voice->rebuild();
    // The open tune's player plays on; it is dropped when its tune closes.
    for (QMediaPlayer* player : std::as_const(players_)) {
        if (player != player_) delete player;
    }
    players_.clear();
}

void MediaEngine::open(const QString& file) {
    close();
    isOpen_ = true;
    openedLength_ = waveFileLength(file);
    // With no output the player has nothing to play into; the length alone times the tune.
    usePlayer_ = QFile::exists(file) && hasAudioOutput();
    playerFailed_ = false;
    if (!usePlayer_) return;
    watchOutputs();
    player_ = players_.value(file);
    if (player_) return;
    // Each tune keeps a player of its own, given its file once. Qt 6.4's GStreamer player can
    // deadlock in setSource() while the new pipeline reports its pads (seen after several
    // hundred games): the media thread then hangs for good, every later command piles up in
    // memory and at quit the thread cannot end.
    player_ = newPlayer();
    players_.insert(file, player_);
    player_->setSource(QUrl::fromLocalFile(file));
}

void MediaEngine::play(const QString& file, quint64 play) {
    if (!isOpen_) open(file);
    donePending_ = true;
    play_ = play;
    playedAt_ = clock_.now();
    if (usePlayer_ && !playerFailed_) {
        done_.stop();
        player_->play();
    } else {
        done_.start(openedLength_.value_or(0ms));
    }
}

void MediaEngine::stop() {
    donePending_ = false;
    done_.stop();
    if (player_ && !playerFailed_) player_->stop();
}

void MediaEngine::close() {
    stop();
    // A GStreamer pipeline that failed blocks for a second on its next state change, while
    // deleting it is instant; the next open of its tune builds a fresh player.
    if (player_ && (playerFailed_ || !isKept(player_))) {
        players_.remove(players_.key(player_));
        delete player_;
    }
    player_ = nullptr;
    playerFailed_ = false;
    isOpen_ = false;
    usePlayer_ = false;
    openedLength_.reset();
}

QMediaPlayer* MediaEngine::newPlayer() {
    auto* player = new QMediaPlayer(this);
    player->setAudioOutput(new QAudioOutput(player));
    connect(player, &QMediaPlayer::mediaStatusChanged, this,
            [this, player](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::InvalidMedia) onPlayerFailed(player);
                if (status == QMediaPlayer::EndOfMedia && player == player_) onPlayerEnded();
            });
    connect(player, &QMediaPlayer::errorOccurred, this, [this, player] { onPlayerFailed(player); });
    return player;
}

void MediaEngine::onPlayerEnded() {
    if (donePending_) done_.start(0ms);
}

void MediaEngine::onPlayerFailed(QMediaPlayer* player) {
    if (player != player_) {
        // An idle tune's player that failed is rebuilt when its tune opens again.
        if (!isKept(player)) return;
        players_.remove(players_.key(player));
        player->deleteLater();
        return;
    }
    playerFailed_ = true;
    if (!donePending_) return;
    // Keep the tune's timing: the end comes when it would have.
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(clock_.now() - playedAt_);
    done_.start(std::max(openedLength_.value_or(0ms) - elapsed, 0ms));
}

void MediaEngine::deliverDone() {
    if (!donePending_) return;
    donePending_ = false;
    emit tuneEnded(play_);
}
