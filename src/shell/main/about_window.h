#pragma once

#include <QDialog>

class ShellOpener;

// "About QRW": the artwork, the version, the maker's home page (click to open it) and OK.
class AboutWindow : public QDialog {
    Q_OBJECT
  public:
    explicit AboutWindow(ShellOpener& shell, QWidget* parent = nullptr);

    void openHomePage();  // the address label's click

  private:
    ShellOpener& shell_;
};
