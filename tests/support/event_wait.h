#pragma once

#include <functional>

// Runs the event loop (deferred deletions included) until `done` holds, without spinning or
// sleeping; returns `done()`. The bound only ends a test that would otherwise hang: verdicts
// never rest on how long something took.
bool runEventsUntil(const std::function<bool()>& done, int boundMs = 60'000);
