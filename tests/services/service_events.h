#pragma once

#include <QString>

#include <functional>

// What the service checks share with scripts/check-services: waiting on events without
// spinning, and a handshake through files in a folder the script names.
namespace service_events {

// Runs the event loop until `done` holds, or for at most `ms`; returns `done()`. The bound only
// ends a check that would otherwise hang: verdicts never rest on it.
bool runEventsUntil(const std::function<bool()>& done, int ms);
// Runs the event loop for `ms`, as a player's pause between two moves.
void pause(int ms);
// Creates the (empty) file `path`.
bool touch(const QString& path);
// Tells the script that `step` is reached (file `folder/step`) and waits for its answer
// (`folder/step.go`); false when none came within a minute.
bool handshake(const QString& folder, const QString& step);

}  // namespace service_events
