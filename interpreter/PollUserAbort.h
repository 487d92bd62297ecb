#pragma once

// Taking events in the middle of a run: every event is dispatched as the main loop would,
// except key and mouse presses, which are swallowed and answered as a request to stop.

#include <cstdint>

// Takes the pending events (for waitTicks ticks more when it is not 0). True when a key or
// mouse press came. Without an application object there are no events: false.
bool PollUserAbort(std::uint32_t waitTicks);

// Throws away key and mouse presses that are waiting, so that a press made before the run
// does not stop it.
void DiscardPendingInput();

// A short rest between polls while a slow run waits, so that waiting does not keep a processor
// busy; far shorter than a tick.
void RestBetweenPolls();
