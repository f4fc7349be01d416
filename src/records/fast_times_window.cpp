#include "records/fast_times_window.h"

#include "core/game_state.h"
#include "platform/dialog_keys.h"
#include "platform/dialogs.h"
#include "platform/media_control.h"
#include "platform/pickable_label.h"
#include "platform/plain_label.h"
#include "platform/services.h"
#include "platform/shell_opener.h"
#include "platform/sound/sound_player.h"
#include "platform/twips.h"
#include "platform/widget_colours.h"
#include "records/designed_controls.h"
#include "records/fastest_times_table.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <tuple>

namespace {

constexpr int kWidth = 7200;
// The designed height of 5190 twips includes the caption bar and borders of the classic frame.
constexpr int kDesignedHeight = 5190;
constexpr int kCaptionAndBorders = 480;
constexpr int kClientHeight = kDesignedHeight - kCaptionAndBorders;

constexpr int kTableLeft = 120;
constexpr int kTableTop = 600;
constexpr int kTableWidth = kWidth - 240;
constexpr int kFirstRowTop = 420;
constexpr int kRowPitch = 285;
constexpr int kRowHeight = 270;

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kNameColour(255, 255, 192);
const QColor kTimeColour(255, 255, 255);
const QColor kPuzzleColour(192, 255, 192);
const QColor kRankColour(0, 255, 0);
const QColor kRuleColour(0, 96, 0);
const QColor kTitleColour(0, 255, 0);
const QColor kTitleShadow(0, 96, 0);
const QColor kLinkColour(128, 176, 255);

QLabel* cell(QWidget* table, const char* name, int row, int left, int width, const QColor& colour) {
    const QByteArray objectName = QByteArray(name) + QByteArray::number(row);
    const int top = kFirstRowTop + (row - 1) * kRowPitch;
    QLabel* label = designed::plainLabel(table, objectName.constData(), QString(), left, top, width,
                                         kRowHeight);
    setColours(label, colour, kBlack);
    return label;
}

}  // namespace

FastTimesWindow::FastTimesWindow(Services& services, QWidget* parent)
    : QWidget(parent, Qt::Dialog), services_(services) {
    setObjectName(QStringLiteral("fast_times"));
    setWindowTitle(QStringLiteral("Fastest Times"));
    buildControls();
    blinkTimer_ = new QTimer(this);
    blinkTimer_->setObjectName(QStringLiteral("Timer1"));
    blinkTimer_->setInterval(kBlinkIntervalMs);
    connect(blinkTimer_, &QTimer::timeout, this, &FastTimesWindow::blinkTick);
    blinkTimer_->start();
    load();
}

void FastTimesWindow::buildControls() {
    designed::setClientSize(this, kWidth, kClientHeight);
    setColours(this, kTimeColour, kBlack);

    // The title over a copy of itself that draws its shadow.
    const QString title = QStringLiteral("Time Challenge High Scores");
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    for (const auto& [name, offset, colour] :
         {std::tuple{"Label13", 20, kTitleShadow}, std::tuple{"Label12", 0, kTitleColour}}) {
        QLabel* label = designed::label(this, name, title, offset, 90 + offset, kWidth, 420);
        label->setFont(titleFont);
        label->setAlignment(Qt::AlignCenter);
        setTextColour(label, colour);
    }

    auto* table = new QFrame(this);
    table->setObjectName(QStringLiteral("Frame1"));
    table->setFrameStyle(QFrame::Box | QFrame::Plain);
    table->setGeometry(twips::rect(kTableLeft, kTableTop, kTableWidth, 3360));
    setColours(table, kRankColour, kBlack);
    QLabel* caption = designed::label(table, "Label11", QStringLiteral("[ Fastest Times ]"), 120,
                                      60, kTableWidth - 240, 300);
    caption->setAlignment(Qt::AlignCenter);
    setColours(caption, kRankColour, kBlack);

    for (int n = 1; n <= fastest_times::kRows; ++n) {
        const QByteArray rankName = "Label" + QByteArray::number(n);
        QLabel* rank = designed::label(table, rankName.constData(), QString::number(n), 120,
                                       kFirstRowTop + (n - 1) * kRowPitch, 420, kRowHeight);
        rank->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setColours(rank, kRankColour, kBlack);
        Row& row = rows_[n - 1];
        row.name = cell(table, "ft_n", n, 720, 2160, kNameColour);
        row.time = cell(table, "ft_t", n, 2940, 780, kTimeColour);
        row.time->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.puzzle = cell(table, "ft_pn", n, 3960, kTableWidth - 4080, kPuzzleColour);
        if (n < fastest_times::kRows) {
            const int below = kFirstRowTop + n * kRowPitch - (kRowPitch - kRowHeight) / 2 - 8;
            auto* rule = new QFrame(table);
            rule->setObjectName(QStringLiteral("Line%1").arg(n));
            rule->setGeometry(twips::rect(120, below, kTableWidth - 240, 15));
            setColours(rule, kRuleColour, kRuleColour);
        }
    }

    QPushButton* reset = designed::button(
        this, "Command2", QStringLiteral("Reset Scores to Default"), kTableLeft, 4140, 2640, 450);
    QPushButton* ok = designed::button(this, "Command1", QStringLiteral("OK"), kWidth - 120 - 1800,
                                       4140, 1800, 450);
    giveDialogKeys(*this, *ok);
    connect(reset, &QPushButton::clicked, this, &FastTimesWindow::resetScores);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    webpage_ = new PickableLabel(
        QStringLiteral("Visit Our Webpage"), [this] { visitWebpage(); }, this);
    webpage_->setObjectName(QStringLiteral("Label16"));
    webpage_->setGeometry(twips::rect(2880, 4215, kWidth - 2880 - 1920 - 120, 300));
    webpage_->setAlignment(Qt::AlignCenter);
    QFont linkFont = webpage_->font();
    linkFont.setUnderline(true);
    webpage_->setFont(linkFont);
    setTextColour(webpage_, kLinkColour);
    webpage_->setCursor(Qt::PointingHandCursor);
}

void FastTimesWindow::load() {
    const fastest_times::Table table = fastest_times::readForDisplay(services_.settings);
    for (int n = 0; n < fastest_times::kRows; ++n) {
        rows_[n].name->setText(table[n].name);
        rows_[n].time->setText(table[n].time);
        rows_[n].puzzle->setText(table[n].puzzle);
    }
    services_.state.loopSound = 0;
    services_.sound.tune(Sound::FastTimeFanfare, false);
}

void FastTimesWindow::blinkTick() {
    setRowOneColours(textColour(rows_[0].name) != kRed);
}

void FastTimesWindow::setRowOneColours(bool red) {
    setTextColour(rows_[0].name, red ? kRed : kNameColour);
    setTextColour(rows_[0].time, red ? kRed : kTimeColour);
    setTextColour(rows_[0].puzzle, red ? kRed : kPuzzleColour);
}

void FastTimesWindow::resetScores() {
    const QString title = QStringLiteral("Reset to Default");
    if (services_.dialogs.message(QStringLiteral("Are you sure you want to reset the scores?"),
                                  title, MsgButtons::YesNo, MsgIcon::Exclamation) != MsgAnswer::Yes)
        return;
    // Reported as done only once it is on the disk; a failure the store tells the player.
    fastest_times::writeResetSet(services_.settings, [window = QPointer(this), title](bool saved) {
        if (!window) return;
        if (saved)
            window->services_.dialogs.message(QStringLiteral("Score have been reset"), title,
                                              MsgButtons::Ok, MsgIcon::Information);
        if (window) window->load();
    });
}

void FastTimesWindow::visitWebpage() {
    services_.shell.open(web::kHomePage);
}

// Centred on the screen and raised by 750 twips.
void FastTimesWindow::centreOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QSize outer = frameGeometry().size();
    const int left = (area.width() - outer.width() - twips::toPixelsRounded(250)) / 2;
    const int top = (area.height() - outer.height() - twips::toPixelsRounded(1500)) / 2;
    move(area.topLeft() + QPoint(left, top));
}

void FastTimesWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    centreOnScreen();
}

void FastTimesWindow::closeEvent(QCloseEvent* event) {
    services_.state.loopSound = 0;
    MediaControl& media = services_.sound.media();
    media.command(QStringLiteral("stop"));
    media.command(QStringLiteral("close"));
    QWidget::closeEvent(event);
}
