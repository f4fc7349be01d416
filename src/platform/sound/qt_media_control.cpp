#include "platform/sound/qt_media_control.h"

#include "platform/sound/media_engine.h"
#include "platform/sound/media_thread.h"

#include <optional>

using namespace std::chrono_literals;

namespace {

// The longest a tune may take beyond its length before Done is given without the engine.
constexpr auto kEndGrace = 2000ms;

std::optional<MediaVerb> verbNamed(const QString& verb) {
    const QString name = verb.trimmed().toLower();
    if (name == QLatin1String("sound")) return MediaVerb::Sound;
    if (name == QLatin1String("open")) return MediaVerb::Open;
    if (name == QLatin1String("play")) return MediaVerb::Play;
    if (name == QLatin1String("stop")) return MediaVerb::Stop;
    if (name == QLatin1String("close")) return MediaVerb::Close;
    return std::nullopt;
}

}  // namespace

QtMediaControl::QtMediaControl(MediaThread& thread, MediaClock& clock, QObject* parent)
    : QObject(parent),
      clock_(clock),
      lateDone_(clock, this, [this] { deliverDone(); }),
      engine_(new MediaEngine(clock)) {
    engine_->moveToThread(thread.thread());
    connect(engine_, &MediaEngine::tuneEnded, this, &QtMediaControl::onTuneEnded);
}

QtMediaControl::~QtMediaControl() {
    disconnect(engine_, nullptr, this, nullptr);
    engine_->deleteLater();
}

void QtMediaControl::setFileName(const QString& path) {
    fileName_ = path;
}

void QtMediaControl::command(const QString& verb) {
    const auto known = verbNamed(verb);
    if (!known) return;
    switch (*known) {
        case MediaVerb::Play: {
            ++play_;
            donePending_ = true;
            lateDone_.start(waveFileLength(fileName_).value_or(0ms) + kEndGrace);
            break;
        }
        case MediaVerb::Open:  // closes what was open first
        case MediaVerb::Stop:
        case MediaVerb::Close:
            donePending_ = false;
            lateDone_.stop();
            break;
        case MediaVerb::Sound:
            break;
    }
    QMetaObject::invokeMethod(
        engine_,
        [engine = engine_, verb = *known, file = fileName_, play = play_, issued = clock_.now()] {
            engine->run(verb, file, play, issued);
        },
        Qt::QueuedConnection);
}

void QtMediaControl::onTuneEnded(quint64 play) {
    if (play == play_) deliverDone();
}

void QtMediaControl::deliverDone() {
    if (!donePending_) return;
    donePending_ = false;
    lateDone_.stop();
    reportDone();
}
