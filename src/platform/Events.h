#pragma once

namespace veldra::platform
{

// Lets the window system run the events that are pending now, once, without
// waiting for new ones.
void DoEvents();

// Blocks in the event loop until at least one event has been handled. Busy
// waits call this so that they sleep instead of spinning.
void WaitForEvents();

} // namespace veldra::platform
