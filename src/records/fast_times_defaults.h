#pragma once

#include <QString>

#include <array>

struct FastTimeRow {
    QString name;
    QString time;  // m:ss
    QString puzzle;
};

// The table written by the first run and by "Reset Scores to Default", row 1 the fastest.
extern const std::array<FastTimeRow, 10> kResetFastTimes;
// What the fastest-times window shows for a key missing from the store; never written.
extern const std::array<FastTimeRow, 10> kDisplayDefaultFastTimes;
