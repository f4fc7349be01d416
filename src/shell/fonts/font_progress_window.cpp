#include "shell/fonts/font_progress_window.h"

#include "platform/progress/creating_puzzle_window.h"

FontProgressWindow::FontProgressWindow(QWidget* anchor) : anchor_(anchor) {}
FontProgressWindow::~FontProgressWindow() = default;

void FontProgressWindow::begin(const QString& label, int maximum) {
    window_ = std::make_unique<CreatingPuzzleWindow>(CreatingPuzzleWindow::Use::FontUpdate,
                                                     anchor_ ? anchor_->window() : nullptr);
    window_->setLabelText(label);
    window_->setProgressMaximum(maximum);
    window_->setProgressValue(0);
    window_->show();
}

void FontProgressWindow::step(int value) {
    if (window_) window_->setProgressValue(value);
}

void FontProgressWindow::end() {
    if (window_) window_->hide();
    window_.reset();
}
