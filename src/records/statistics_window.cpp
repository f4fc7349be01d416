#include "records/statistics_window.h"

#include "records/statistics_figures.h"
#include "platform/dialog_keys.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/twips.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A framed group of caption / value rows; returns the value labels in order.
class Group {
  public:
    Group(QWidget* parent, QVBoxLayout* column, const QString& caption) {
        box_ = new QGroupBox(caption, parent);
        grid_ = new QGridLayout(box_);
        grid_->setColumnStretch(0, 1);
        grid_->setColumnMinimumWidth(1, twips::toPixelsRounded(1200));
        column->addWidget(box_);
    }

    QLabel* row(const QString& caption, const char* valueName) {
        const int at = grid_->rowCount();
        grid_->addWidget(new QLabel(caption, box_), at, 0);
        auto* value = new QLabel(box_);
        value->setObjectName(QString::fromLatin1(valueName));
        value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMargin(2);
        grid_->addWidget(value, at, 1);
        return value;
    }

  private:
    QGroupBox* box_;
    QGridLayout* grid_;
};

}  // namespace

StatisticsWindow::StatisticsWindow(Services& services, QWidget* parent)
    : QWidget(parent, Qt::Dialog), services_(services) {
    setObjectName(QStringLiteral("Statistics"));
    setWindowTitle(QStringLiteral("QRW Statistics"));

    auto* column = new QVBoxLayout(this);
    Group games(this, column, QStringLiteral("Games"));
    played_ = games.row(QStringLiteral(" Played"), "g_played");
    completed_ = games.row(QStringLiteral(" Completed"), "g_completed");
    revealed_ = games.row(QStringLiteral(" Revealed"), "g_revealed");
    percentage_ = games.row(QStringLiteral("Percentage Completed "), "g_percentage");
    Group cheats(this, column, QStringLiteral("Cheats"));
    revealWord_ = cheats.row(QStringLiteral(" Words Revealed"), "g_revealword");
    wordsPerGame_ = cheats.row(QStringLiteral("Average Per Game "), "g_rwperc");
    Group time(this, column, QStringLiteral("Time"));
    playing_ = time.row(QStringLiteral(" Time Playing (mins)"), "t_playing");

    auto* buttons = new QHBoxLayout;
    auto* reset = new QPushButton(QStringLiteral("Reset Statistics"), this);
    reset->setObjectName(QStringLiteral("Command2"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    giveDialogKeys(*this, *ok);
    buttons->addWidget(reset);
    buttons->addStretch();
    buttons->addWidget(ok);
    column->addLayout(buttons);
    connect(reset, &QPushButton::clicked, this, &StatisticsWindow::resetStatistics);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    setMinimumWidth(twips::toPixelsRounded(4800));
}

void StatisticsWindow::refresh() {
    const StatisticsFigures figures = statistics::refresh(services_.settings);
    played_->setText(figures.played);
    completed_->setText(figures.completed);
    revealed_->setText(figures.revealed);
    percentage_->setText(figures.percentage);
    revealWord_->setText(figures.wordsRevealed);
    wordsPerGame_->setText(figures.averagePerGame);
    playing_->setText(figures.minutesPlaying);
}

void StatisticsWindow::resetStatistics() {
    if (services_.dialogs.message(QStringLiteral("Are you sure?"),
                                  QStringLiteral("Reset Statistics?"), MsgButtons::YesNo,
                                  MsgIcon::Exclamation) != MsgAnswer::Yes)
        return;
    statistics::reset(services_.settings);
    refresh();
}

// Shown or activated again: the counters may have moved meanwhile.
void StatisticsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void StatisticsWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) refresh();
}
