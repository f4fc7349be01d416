#pragma once

#include <QObject>

#include <functional>

class BoardWindow;
class QMdiSubWindow;
class QSize;
class SettingsStore;
struct MainMenu;

// Options > Zoom: Zoom In, Zoom Out, Actual Size and Fit to Window. The zoom and the fit choice
// are stored as they change and restored at start; any change lays the main window out again.
class ZoomCommands : public QObject {
    Q_OBJECT
  public:
    ZoomCommands(SettingsStore& store, BoardWindow& board, QMdiSubWindow& frame,
                 const MainMenu& menu, std::function<void()> layOut, QObject* parent = nullptr);

    void restore();  // the stored zoom and fit choice, at start

    void zoomIn();
    void zoomOut();
    void actualSize();
    void setFitToWindow(bool on);
    bool fitToWindow() const;

    // The layout's first step: with Fit to Window on, the board takes the largest zoom at
    // which it fits `area`, the main window's client area, in pixels.
    void fitTo(const QSize& area);

  private:
    // A zoom the player chose: Fit to Window goes off.
    void choose(double scale);
    void apply(double scale);

    SettingsStore& store_;
    BoardWindow& board_;
    QMdiSubWindow& frame_;
    const MainMenu& menu_;
    std::function<void()> layOut_;
    double chosen_ = 1;  // the zoom shown while Fit to Window is off
};
