#pragma once

#include "platform/plain_label.h"

#include <functional>

// A list row picked by a left click, or from the keyboard: it takes the focus by Tab, shows it
// with a focus frame and is picked by Space or Enter. Disabled rows take neither.
class PickableRow : public PlainLabel {
  public:
    PickableRow(std::function<void()> onPick, QWidget* parent);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    std::function<void()> onPick_;
};
