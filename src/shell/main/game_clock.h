#pragma once

#include <QString>

// The clock label's text for a number of seconds: minutes, a colon and two digits of seconds,
// with no hour field (3725 seconds read "62:05").
QString clockText(long long seconds);
