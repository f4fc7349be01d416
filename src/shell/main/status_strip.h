#pragma once

#include "shell/main/window_layout.h"

#include <QColor>
#include <QWidget>

class QLabel;

// Picture1, the strip along the bottom of the main window: the one-line text display
// show_full, the level caption dif_cap over its shadow dif_cap_f, the Speed Challenge
// indicator speed and the clock label Timercap. Positions are kept in twips.
class StatusStrip : public QWidget {
    Q_OBJECT
  public:
    static constexpr double kHeight = 375;
    static constexpr double kTimercapWidth = 735;
    static constexpr double kDifCapWidth = 1695;
    static constexpr double kSpeedWidth = 300;

    explicit StatusStrip(QWidget* parent = nullptr);

    void setShowFull(const QString& text);
    QString showFull() const;
    void setLevelCaption(const QString& text);  // dif_cap, then copied into dif_cap_f
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

    QLabel* showFull_;
    QLabel* difCapF_;
    QLabel* difCap_;
    QWidget* speed_;
    QLabel* timercap_;
    QColor speedColor_;
    window_layout::StripPositions positions_;
};
