#pragma once

#include "platform/plain_label.h"

#include <functional>

// A label that acts when picked: by a left click, or from the keyboard, where it takes the focus
// by Tab, shows it with a focus frame and is picked by Space or Enter. A disabled one takes
// neither. For list rows and links.
class PickableLabel : public PlainLabel {
  public:
    PickableLabel(const QString& text, std::function<void()> onPick, QWidget* parent);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    std::function<void()> onPick_;
};
