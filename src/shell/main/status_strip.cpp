#include "shell/main/status_strip.h"

#include "platform/artwork/artwork.h"
#include "platform/design_font.h"
#include "platform/plain_label.h"
#include "platform/twips.h"

#include <QLabel>
#include <QPainter>

namespace {
constexpr double kHintTop = 60;
constexpr double kLevelCaptionTop = 60;
constexpr double kLevelShadowTop = 80;
constexpr double kClockTop = 45;
constexpr double kLabelHeight = 255;
constexpr double kSpeedTop = 30;
constexpr double kSpeedHeight = 315;
// The title bitmap the strip shows at its left, 213 x 25 pixels at 96 dpi.
constexpr double kTitleWidth = 213 * 15;
constexpr double kTitleHeight = 25 * 15;

// Every caption is plain text: show_full holds a theme's word or question.
QLabel* makeLabel(QWidget* parent, const char* name, const QColor& color, const QFont& font,
                  Qt::Alignment alignment) {
    auto* label = new PlainLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(alignment);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

// The Speed Challenge indicator: its back colour with the stopwatch icon.
class SpeedIndicator : public QWidget {
  public:
    using QWidget::QWidget;
    QColor color;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), color);
        artwork::paintStopwatch(painter, QRectF(rect()));
    }
};
}  // namespace

StatusStrip::StatusStrip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setFixedHeight(twips::toPixelsRounded(kHeight));

    hint_ = makeLabel(this, "show_full", Qt::red, designFont(8.25, true), Qt::AlignCenter);
    // Red on black inside a single border.
    hint_->setStyleSheet(QStringLiteral(
        "QLabel { color: rgb(255,0,0); background: black; border: 1px solid rgb(160,160,160); }"));

    levelShadow_ = makeLabel(this, "dif_cap_f", QColor(128, 128, 128), designFont(9.75, true),
                             Qt::AlignCenter);
    levelCaption_ = makeLabel(this, "dif_cap", Qt::white, designFont(9.75, true), Qt::AlignCenter);
    auto* speed = new SpeedIndicator(this);
    speed->setObjectName(QStringLiteral("speed"));
    speed_ = speed;
    clock_ = makeLabel(this, "Timercap", Qt::white, designFont(12, true),
                       Qt::AlignRight | Qt::AlignVCenter);
    clock_->setText(QStringLiteral("0:00"));
    setSpeedColor(QColor(0, 64, 64));
    setPositions(positions_);
}

void StatusStrip::place(QWidget* control, double left, double top, double width, double height) {
    control->setGeometry(twips::rect(left, top, width, height));
}

void StatusStrip::setPositions(const window_layout::StripPositions& positions) {
    positions_ = positions;
    place(hint_, positions.hintLeft, kHintTop, positions.hintWidth, kLabelHeight);
    hint_->setVisible(positions.hintWidth > 0);
    place(levelShadow_, positions.levelShadowLeft, kLevelShadowTop, kLevelCaptionWidth,
          kLabelHeight);
    place(levelCaption_, positions.levelCaptionLeft, kLevelCaptionTop, kLevelCaptionWidth,
          kLabelHeight);
    place(speed_, positions.speedLeft, kSpeedTop, kSpeedWidth, kSpeedHeight);
    place(clock_, positions.clockLeft, kClockTop, kClockWidth, kLabelHeight);
}

void StatusStrip::setHint(const QString& text) {
    hint_->setText(text);
}
QString StatusStrip::hint() const {
    return hint_->text();
}

void StatusStrip::setLevelCaption(const QString& text) {
    levelCaption_->setText(text);
    levelShadow_->setText(levelCaption_->text());
}
QString StatusStrip::levelCaption() const {
    return levelCaption_->text();
}
QString StatusStrip::levelShadowCaption() const {
    return levelShadow_->text();
}

void StatusStrip::setClockText(const QString& text) {
    clock_->setText(text);
}
QString StatusStrip::clockText() const {
    return clock_->text();
}

void StatusStrip::setSpeedColor(const QColor& color) {
    speedColor_ = color;
    static_cast<SpeedIndicator*>(speed_)->color = color;
    speed_->update();
}
QColor StatusStrip::speedColor() const {
    return speedColor_;
}

void StatusStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    artwork::paintStatusStrip(painter, QRectF(rect()),
                              twips::rectF(0, 0, kTitleWidth, kTitleHeight));
}
