#pragma once

#include <QWidget>

// title_img: the title artwork shown in the main window while no game is on the board.
class TitleWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr double kWidth = 6000;   // twips
    static constexpr double kHeight = 1800;  // twips

    explicit TitleWindow(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
