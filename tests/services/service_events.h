#pragma once

#include "support/event_wait.h"

#include <QString>

// What the service checks share with scripts/check-services: pauses between moves, and a
// handshake through files in a folder the script names.
namespace service_events {

// Runs the event loop for `ms`, as a player's pause between two moves.
void pause(int ms);
// Creates the (empty) file `path`.
bool touch(const QString& path);
// Tells the script that `step` is reached (file `folder/step`) and waits for its answer
// (`folder/step.go`); false when none came within a minute.
bool handshake(const QString& folder, const QString& step);

}  // namespace service_events
