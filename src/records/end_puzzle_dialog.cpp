#include "records/end_puzzle_dialog.h"

#include "platform/dialog_keys.h"
#include "platform/media_control.h"
#include "platform/plain_label.h"
#include "platform/services.h"
#include "platform/sound/sound_player.h"
#include "platform/twips.h"
#include "platform/widget_colours.h"
#include "records/designed_controls.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <tuple>

namespace {

constexpr int kWidth = 5400;
constexpr int kHeight = 4200;
constexpr int kSummaryLeft = 1320;
constexpr int kSummaryWidth = 3600;
// As many as the verdict's box holds.
constexpr int kVerdictLines = 4;

const QColor kHeading(0, 0, 128);
const QColor kHeadingShadow(160, 160, 160);
const QColor kSummaryBackground(255, 255, 255);
const QColor kHighlightedTime(224, 224, 224);
const QColor kGreyedTime(128, 128, 128);

QFont headingFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(18);
    font.setBold(true);
    return font;
}

QLabel* summaryValue(QWidget* parent, const char* name, const QString& text, int top) {
    QLabel* value = designed::plainLabel(parent, name, text, kSummaryLeft, top, kSummaryWidth, 300);
    value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    value->setIndent(4);
    setColours(value, Qt::black, kSummaryBackground);
    return value;
}

}  // namespace

EndPuzzleDialog::EndPuzzleDialog(Services& services, const FinishedGame& game,
                                 QWidget* positionReference, QWidget* parent)
    : QWidget(parent, Qt::Dialog), services_(services) {
    setObjectName(QStringLiteral("end_puzzle"));
    setWindowTitle(QStringLiteral(" QRW Puzzle Complete"));
    buildControls(game);
    result_ = evaluateEndOfGame(services_, game);
    showResult();
    positionOver(positionReference);
}

void EndPuzzleDialog::buildControls(const FinishedGame& game) {
    designed::setClientSize(this, kWidth, kHeight);

    // The heading's shadow sits a little below and right of it.
    const QString heading = QStringLiteral("CONGRATULATIONS");
    for (const auto& [name, offset, colour] :
         {std::tuple{"Label8", 30, kHeadingShadow}, std::tuple{"Label2", 0, kHeading}}) {
        QLabel* label =
            designed::label(this, name, heading, 120 + offset, 120 + offset, kWidth - 240, 540);
        label->setFont(headingFont());
        label->setAlignment(Qt::AlignCenter);
        setTextColour(label, colour);
    }
    QLabel* completed =
        designed::label(this, "Label3", QStringLiteral("Puzzle Completed Successfully"), 120, 690,
                        kWidth - 240, 300);
    completed->setAlignment(Qt::AlignCenter);
    QFont bold = completed->font();
    bold.setBold(true);
    completed->setFont(bold);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(twips::rect(120, 1080, kWidth - 240, 1380));
    designed::label(this, "Label1", QStringLiteral(" Puzzle"), 240, 1200, 1000, 300);
    designed::label(this, "Label5", QStringLiteral(" Level"), 240, 1620, 1000, 300);
    designed::label(this, "Label7", QStringLiteral(" Time"), 240, 2040, 1000, 300);
    summaryValue(this, "ep_name", game.puzzleTitle, 1200);
    summaryValue(this, "pe_level", levelName(game.level), 1620);
    finishTime_ = summaryValue(this, "pe_time", game.finishingTime, 2040);

    // The verdict holds the theme's title.
    PlainLabel* verdict =
        designed::plainLabel(this, "puz_stat", QString(), 120, 2580, kWidth - 240, 780);
    verdict->setMaximumLines(kVerdictLines);
    verdictLabel_ = verdict;
    QFont verdictFont(QStringLiteral("Arial"));
    verdictFont.setPointSize(10);
    verdictFont.setBold(true);
    verdictLabel_->setFont(verdictFont);
    verdictLabel_->setAlignment(Qt::AlignCenter);

    QPushButton* fastest = designed::button(this, "Command1", QStringLiteral("View Fastest Times"),
                                            120, 3540, 2400, 480);
    QPushButton* ok =
        designed::button(this, "Command2", QStringLiteral("OK"), kWidth - 1920, 3540, 1800, 480);
    giveDialogKeys(*this, *ok);
    connect(fastest, &QPushButton::clicked, this, &EndPuzzleDialog::viewFastestTimes);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
}

void EndPuzzleDialog::showResult() {
    verdictLabel_->setText(result_.verdict);
    switch (result_.timeLook) {
        case FinishTimeLook::Highlighted:
            finishTime_->setEnabled(true);
            setColours(finishTime_, Qt::black, kHighlightedTime);
            break;
        case FinishTimeLook::Greyed:
            finishTime_->setEnabled(false);
            setColours(finishTime_, Qt::black, kGreyedTime);
            break;
        case FinishTimeLook::Unchanged:
            break;
    }
}

// Centred over the reference window and raised by 750 twips.
void EndPuzzleDialog::positionOver(const QWidget* reference) {
    const QRect area = reference ? reference->frameGeometry()
                                 : QGuiApplication::primaryScreen()->availableGeometry();
    const int left = (area.width() - width() - twips::toPixelsRounded(250)) / 2;
    const int top = (area.height() - height() - twips::toPixelsRounded(1500)) / 2;
    move(area.topLeft() + QPoint(left, top));
}

void EndPuzzleDialog::viewFastestTimes() {
    MediaControl& media = services_.sound.media();
    media.command(QStringLiteral("stop"));
    media.command(QStringLiteral("close"));
    emit viewFastestTimesRequested();
}

void EndPuzzleDialog::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}
