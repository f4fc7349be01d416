#include "shell/startup/splash_window.h"

#include "core/game_state.h"
#include "platform/design_font.h"
#include "platform/media_control.h"
#include "platform/services.h"
#include "platform/settings_store.h"
#include "platform/twips.h"
#include "platform/widget_colours.h"
#include "shell/startup/title_artwork.h"

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

SplashWindow::SplashWindow(Services& services, MediaControl& mmControl1, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      services_(services),
      mmControl1_(mmControl1),
      progressBar1_(new QProgressBar(this)),
      timer1_(new QTimer(this)),
      safetyTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("start_up"));
    setFixedSize(twips::toPixelsRounded(3705), twips::toPixelsRounded(1785));

    auto* border = new QFrame(this);
    border->setFrameShape(QFrame::Box);
    border->setGeometry(rect());

    auto* picture1 = new QLabel(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setGeometry(twips::rect(150, 120, 3450, 525));
    picture1->setAlignment(Qt::AlignCenter);
    picture1->setPixmap(titleArtwork());

    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1_->setRange(0, kBarMaximum);
    progressBar1_->setValue(0);
    progressBar1_->setTextVisible(false);
    progressBar1_->setGeometry(twips::rect(220, 720, 3295, 255));

    decorativeLine(this, twips::rect(150, 660, 3450, 30));
    decorativeLine(this, twips::rect(150, 1020, 3450, 30));

    // Label2 sits on Label1's pale band. Both texts are centred on the middle of the band (the
    // designed area of Label2 lies right of it), Label1's light grey one a little lower and to
    // the right, so that it reads as the caption's shadow.
    const QRect bandArea = twips::rect(120, 1080, 3495, 570);
    const QRect captionArea = twips::rect(760, 1145, 2535, 495);
    QRect textArea = captionArea;
    textArea.setRight(2 * bandArea.center().x() - captionArea.left());
    QLabel* label1 = loadingLabel(this, QColor(192, 192, 192), bandArea);
    label1->setObjectName(QStringLiteral("Label1"));
    setBackgroundColour(label1, QColor(224, 224, 224));
    placeText(label1, textArea.translated(kShadowOffset, kShadowOffset));
    QLabel* label2 = loadingLabel(this, QColor(0, 0, 0), captionArea);
    label2->setObjectName(QStringLiteral("Label2"));
    placeText(label2, textArea);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setSingleShot(true);
    timer1_->setInterval(kStartDelayMs);
    connect(timer1_, &QTimer::timeout, this, &SplashWindow::runSequence);
    timer1_->start();

    safetyTimer_->setSingleShot(true);
    safetyTimer_->setInterval(kSafetyTimeoutMs);
    connect(safetyTimer_, &QTimer::timeout, this, &SplashWindow::finish);

    mmControl1_.setOnDone([this] { onDone(); });
}

SplashWindow::~SplashWindow() {
    mmControl1_.setOnDone(nullptr);
}

void SplashWindow::runSequence() {
    if (started_) return;
    started_ = true;
    timer1_->stop();

    progressBar1_->setValue(1);
    GameState& state = services_.state;
    state.soundOn =
        settings::toBool(services_.settings.read(settings::kSettings, QStringLiteral("SOUND"),
                                                 QStringLiteral("True")),
                         true);
    if (state.soundOn) {
        mmControl1_.setFileName(services_.sfxPath(QStringLiteral("sf0003.wav")));
        mmControl1_.command(QStringLiteral("open"));
        mmControl1_.command(QStringLiteral("play"));
        // Armed before anything else can run, so a tune that never reports Done cannot keep
        // the program on the splash.
        safetyTimer_->start();
    }
    QCoreApplication::processEvents();

    for (int value = 1; value <= kBarMaximum; ++value) progressBar1_->setValue(value);

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
    if (services_.state.soundOn) mmControl1_.command(QStringLiteral("close"));
    close();
    emit finished();
}
