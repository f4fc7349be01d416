#pragma once

#include "shell/main/window_layout.h"

#include <QColor>
#include <QWidget>

class QLabel;

// The strip along the bottom of the main window: the one-line hint, the level caption over its
// shadow, the Speed Challenge mark and the clock (object names show_full, dif_cap, dif_cap_f,
// speed and Timercap). Positions are kept in twips.
class StatusStrip : public QWidget {
    Q_OBJECT
  public:
    static constexpr double kHeight = 375;
    static constexpr double kClockWidth = 735;
    static constexpr double kLevelCaptionWidth = 1695;
    static constexpr double kSpeedWidth = 300;

    explicit StatusStrip(QWidget* parent = nullptr);

    void setHint(const QString& text);
    QString hint() const;
    void setLevelCaption(const QString& text);  // the caption, then its shadow
    QString levelCaption() const;
    QString levelShadowCaption() const;
    void setClockText(const QString& text);
    QString clockText() const;
    void setSpeedColor(const QColor& color);
    QColor speedColor() const;

    window_layout::StripPositions positions() const { return positions_; }
    void setPositions(const window_layout::StripPositions& positions);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void place(QWidget* control, double left, double top, double width, double height);

    QLabel* hint_;
    QLabel* levelShadow_;
    QLabel* levelCaption_;
    QWidget* speed_;
    QLabel* clock_;
    QColor speedColor_;
    window_layout::StripPositions positions_;
};
