#pragma once

#include <QWidget>

// The editor's banner: a strip of letter tiles with a marker line through a hidden word,
// drawn rather than loaded so the program needs no artwork file for it.
class EditorBanner : public QWidget {
    Q_OBJECT
  public:
    explicit EditorBanner(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
