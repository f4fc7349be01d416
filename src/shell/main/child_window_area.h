#pragma once

#include <QMdiArea>

// The area holding the board and title windows. Their order is the game's to decide: the
// built-in Ctrl+Tab cycling (and the Ctrl hold that brings back the previous child) would
// raise the title artwork over a running game, so the area never sees a key.
// It also tells when its size changes, since the children are centred in it.
class ChildWindowArea : public QMdiArea {
    Q_OBJECT
  public:
    using QMdiArea::QMdiArea;

  signals:
    void resized();  // the children are laid out again from the new size

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
