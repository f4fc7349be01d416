#include "platform/progress/creating_puzzle_window.h"

#include "core/game_vocabulary.h"
#include "platform/design_font.h"
#include "platform/owned_window.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {
constexpr double kDesignWidth = 4365;
constexpr double kClientHeight = 1005;
// The Stop button sits right of the progress bar, in a strip added to the designed width.
constexpr double kStopLeft = 4335;
constexpr double kStopWidth = 1230;
constexpr double kWidthWithStop = kStopLeft + kStopWidth + 120;
}  // namespace

CreatingPuzzleWindow::CreatingPuzzleWindow(Use use, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      use_(use),
      caption_(new QLabel(QStringLiteral("Creating Puzzle .."), this)),
      progressBar_(new QProgressBar(this)),
      attemptAdd_(new QLabel(QStringLiteral("1"), this)) {
    setObjectName(QStringLiteral("cp_stat"));
    setWindowTitle(QStringLiteral("Creating Puzzle"));

    caption_->setObjectName(QStringLiteral("Label1"));
    caption_->setFont(designFont(8.25, true));
    caption_->setGeometry(twips::rect(120, 120, 4095, 255));

    progressBar_->setObjectName(QStringLiteral("PB1"));
    progressBar_->setRange(0, kMaxWords);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);
    progressBar_->setGeometry(twips::rect(120, 480, 4095, 375));

    // Lies below the bottom edge on purpose: a counter the generator reads, never seen.
    attemptAdd_->setObjectName(QStringLiteral("attempt_add"));
    attemptAdd_->setGeometry(twips::rect(3960, 1200, 255, 195));

    double width = kDesignWidth;
    if (use_ == Use::PuzzleGeneration) {
        stop_ = new QPushButton(QStringLiteral("Stop"), this);
        stop_->setObjectName(QStringLiteral("stop"));
        stop_->setGeometry(twips::rect(kStopLeft, 480, kStopWidth, 375));
        connect(stop_, &QPushButton::clicked, this, &CreatingPuzzleWindow::requestStop);
        setWindowModality(Qt::ApplicationModal);
        width = kWidthWithStop;
    }
    setFixedSize(twips::toPixelsRounded(width), twips::toPixelsRounded(kClientHeight));

    frameTimer_ = new QTimer(this);
    frameTimer_->setSingleShot(true);
    connect(frameTimer_, &QTimer::timeout, this, &CreatingPuzzleWindow::releaseBarUpdates);
}

// The label names what is being done; the title bar says the same instead of the program name.
void CreatingPuzzleWindow::setLabelText(const QString& text) {
    caption_->setText(text);
    setWindowTitle(text);
}
QString CreatingPuzzleWindow::labelText() const {
    return caption_->text();
}

void CreatingPuzzleWindow::setProgressMaximum(int maximum) {
    progressBar_->setMaximum(maximum);
}
// The bar repaints itself on every change, which cost more than generating the puzzle. Its
// value is always current, but it is painted at most once per displayed frame: a value after a
// quiet frame shows at once, and the values that follow within the frame are held back until
// the frame is over.
void CreatingPuzzleWindow::setProgressValue(int value) {
    progressBar_->setUpdatesEnabled(false);
    progressBar_->setValue(value);
    if (!frameTimer_->isActive()) releaseBarUpdates();
}

// Also the end of each frame.
void CreatingPuzzleWindow::releaseBarUpdates() {
    if (progressBar_->updatesEnabled()) return;  // nothing held back: the next value shows at once
    progressBar_->setUpdatesEnabled(true);       // schedules one repaint with the latest value
    frameTimer_->start(static_cast<int>(frameInterval()));
}

qint64 CreatingPuzzleWindow::frameInterval() const {
    const QScreen* shown = screen();
    const double rate = shown && shown->refreshRate() > 1 ? shown->refreshRate() : 60;
    return static_cast<qint64>(1000 / rate);
}
int CreatingPuzzleWindow::progressMaximum() const {
    return progressBar_->maximum();
}
int CreatingPuzzleWindow::progressValue() const {
    return progressBar_->value();
}

int CreatingPuzzleWindow::addFailedCycle() {
    const int count = attemptAdd_->text().toInt() + 1;
    attemptAdd_->setText(QString::number(count));
    return count;
}
QString CreatingPuzzleWindow::attemptAddText() const {
    return attemptAdd_->text();
}

void CreatingPuzzleWindow::requestStop() {
    stopRequested_ = true;
    if (stop_) stop_->setEnabled(false);
}

void CreatingPuzzleWindow::showEvent(QShowEvent* event) {
    centreOverOwner(this);
    QWidget::showEvent(event);
}

void CreatingPuzzleWindow::closeEvent(QCloseEvent* event) {
    if (use_ == Use::PuzzleGeneration && event->spontaneous()) {
        requestStop();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}
