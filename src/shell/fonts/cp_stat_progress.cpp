#include "shell/fonts/cp_stat_progress.h"

#include "platform/progress/creating_puzzle_window.h"

CpStatProgress::CpStatProgress(QWidget* anchor) : anchor_(anchor) {}
CpStatProgress::~CpStatProgress() = default;

void CpStatProgress::begin(const QString& label, int maximum) {
    window_ = std::make_unique<CreatingPuzzleWindow>(CreatingPuzzleWindow::Use::FontUpdate,
                                                     anchor_ ? anchor_->window() : nullptr);
    window_->setLabelText(label);
    window_->setProgressMaximum(maximum);
    window_->setProgressValue(0);
    window_->show();
}

void CpStatProgress::step(int value) {
    if (window_) window_->setProgressValue(value);
}

void CpStatProgress::end() {
    if (window_) window_->hide();
    window_.reset();
}
