#pragma once
#include <QtGlobal>

namespace vora {

// Waits without spinning: a local event loop ended by a single-shot timer.
// letEventsRun: the user's keys and clicks are handled during the wait.
// Otherwise input stays queued and is handled afterwards, each event in turn.
void waitMs(int ms, bool letEventsRun);
// Handles what is pending now, once.
void processPendingEvents();

} // namespace vora
