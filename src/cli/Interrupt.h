#pragma once
// Ctrl-C, and the system's polite request to end (SIGTERM), taken as a job's
// stop button. One implementation per system.
#include <functional>

// Runs `stop` in the event loop when Ctrl-C or SIGTERM arrives, the way the
// stop button would, inside the job's wait; a second one ends the program at
// once with ExitStopped. `WasInterrupted()` tells whether one came.
void OnInterrupt(std::function<void()> stop);
bool WasInterrupted();
