#pragma once

// Taking events in the middle of a run: every event is dispatched as the main loop would,
// except key and mouse presses, which are swallowed and answered as a request to stop. What the
// window system does on its own where a desktop of old needed a press stops the run as well: a
// close from the title bar is held until the run has ended, a resize happens at once. A dialog
// opened by a dispatched event takes its own events as usual.

#include <cstdint>

// Takes the pending events (for waitTicks ticks more when it is not 0). True when a key or
// mouse press came, or a held window request waits. Without an application object there are no
// events: false.
bool PollUserAbort(std::uint32_t waitTicks);

// Throws away the input that is waiting, the window system's queue included, so that a press
// made before the run does not stop it; everything else is dispatched.
void DiscardPendingInput();

// Posts the window requests held during a run to the event loop; call when the run has ended.
void CarryOutHeldWindowRequests();

// A short rest between polls while a slow run waits, so that waiting does not keep a processor
// busy; far shorter than a tick.
void RestBetweenPolls();
