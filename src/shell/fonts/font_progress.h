#pragma once

#include <QString>

// Feedback while a font is handed to the elements one by one: the program shows the
// "Creating Puzzle" window with its label and bar; tests record the calls.
class FontProgress {
  public:
    virtual ~FontProgress() = default;
    virtual void begin(const QString& label, int maximum) = 0;  // value 0, shown
    virtual void step(int value) = 0;
    virtual void end() = 0;  // hidden
};
