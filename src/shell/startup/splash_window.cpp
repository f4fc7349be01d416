#include "shell/startup/splash_window.h"

#include "core/game_state.h"
#include "platform/artwork/artwork.h"
#include "platform/design_font.h"
#include "platform/media_control.h"
#include "platform/services.h"
#include "platform/settings_schema.h"
#include "platform/settings_store.h"
#include "platform/twips.h"
#include "platform/widget_colours.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kShadowOffset = 2;  // pixels

QLabel* loadingLabel(QWidget* parent, const QColor& text, const QRect& geometry) {
    auto* label = new QLabel(QStringLiteral("Loading ..."), parent);
    label->setFont(designFont(18, true));
    label->setGeometry(geometry);
    setTextColour(label, text);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// Narrows a label's content area to `area` (parent coordinates) so its centred text is
// centred there; margins never go below zero.
void placeText(QLabel* label, const QRect& area) {
    const QRect whole = label->geometry();
    label->setContentsMargins(
        std::max(0, area.left() - whole.left()), std::max(0, area.top() - whole.top()),
        std::max(0, whole.right() - area.right()), std::max(0, whole.bottom() - area.bottom()));
}

void decorativeLine(QWidget* parent, const QRect& geometry) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(geometry);
}

}  // namespace

SplashWindow::SplashWindow(Services& services, MediaControl& media, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      services_(services),
      media_(media),
      progressBar_(new QProgressBar(this)),
      startDelay_(new QTimer(this)),
      safetyTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("start_up"));
    setFixedSize(twips::toPixelsRounded(3705), twips::toPixelsRounded(1785));

    auto* border = new QFrame(this);
    border->setFrameShape(QFrame::Box);
    border->setGeometry(rect());

    auto* titlePicture = new QLabel(this);
    titlePicture->setObjectName(QStringLiteral("Picture1"));
    titlePicture->setGeometry(twips::rect(150, 120, 3450, 525));
    titlePicture->setAlignment(Qt::AlignCenter);
    titlePicture->setPixmap(artwork::splashTitle());

    progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar_->setRange(0, kBarMaximum);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);
    progressBar_->setGeometry(twips::rect(220, 720, 3295, 255));

    decorativeLine(this, twips::rect(150, 660, 3450, 30));
    decorativeLine(this, twips::rect(150, 1020, 3450, 30));

    // The caption sits on its shadow's pale band. Both texts are centred on the middle of the
    // band (the caption's designed area lies right of it), the shadow's light grey one a little
    // lower and to the right.
    const QRect bandArea = twips::rect(120, 1080, 3495, 570);
    const QRect captionArea = twips::rect(760, 1145, 2535, 495);
    QRect textArea = captionArea;
    textArea.setRight(2 * bandArea.center().x() - captionArea.left());
    QLabel* shadow = loadingLabel(this, QColor(192, 192, 192), bandArea);
    shadow->setObjectName(QStringLiteral("Label1"));
    setBackgroundColour(shadow, QColor(224, 224, 224));
    placeText(shadow, textArea.translated(kShadowOffset, kShadowOffset));
    QLabel* caption = loadingLabel(this, QColor(0, 0, 0), captionArea);
    caption->setObjectName(QStringLiteral("Label2"));
    placeText(caption, textArea);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    startDelay_->setObjectName(QStringLiteral("Timer1"));
    startDelay_->setSingleShot(true);
    startDelay_->setInterval(kStartDelayMs);
    connect(startDelay_, &QTimer::timeout, this, &SplashWindow::runSequence);
    startDelay_->start();

    safetyTimer_->setSingleShot(true);
    safetyTimer_->setInterval(kSafetyTimeoutMs);
    connect(safetyTimer_, &QTimer::timeout, this, &SplashWindow::finish);

    media_.setOnDone([this] { onDone(); });
}

SplashWindow::~SplashWindow() {
    media_.setOnDone(nullptr);
}

void SplashWindow::runSequence() {
    if (started_) return;
    started_ = true;
    startDelay_->stop();

    progressBar_->setValue(1);
    GameState& state = services_.state;
    state.soundOn = settings::read(services_.settings, settings::kSound);
    if (state.soundOn) {
        media_.setFileName(services_.sfxPath(Sound::StartUpTune));
        media_.command(QStringLiteral("open"));
        media_.command(QStringLiteral("play"));
        // Armed before anything else can run, so a tune that never reports Done cannot keep
        // the program on the splash.
        safetyTimer_->start();
    }
    QCoreApplication::processEvents();

    // Nothing is drawn until the bar is full, so a few steps look the same as every value
    // and spare a screen reader thousands of value changes.
    for (int value = kBarStep; value <= kBarMaximum; value += kBarStep) {
        progressBar_->setValue(value);
    }

    if (!state.soundOn || doneReported_) {
        finish();
    } else {
        waitingForDone_ = true;
    }
}

void SplashWindow::onDone() {
    doneReported_ = true;
    // A tune too short to outlast the bar waits for the bar; see runSequence.
    if (waitingForDone_) finish();
}

void SplashWindow::finish() {
    if (finished_) return;
    finished_ = true;
    waitingForDone_ = false;
    safetyTimer_->stop();
    if (services_.state.soundOn) media_.command(QStringLiteral("close"));
    close();
    emit finished();
}
