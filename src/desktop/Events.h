#pragma once

#include <functional>

namespace veldra::desktop
{

// Lets the window system run the events that are pending now, once, without
// waiting for new ones.
void DoEvents();

// Blocks in the event loop until at least one event has been handled. Busy
// waits call this so that they sleep instead of spinning.
void WaitForEvents();

// Runs `work` on a thread of its own and returns when it is done, handling this
// thread's events meanwhile, so that the windows stay responsive during long
// work. Other handlers can run during the call, as they can in DoEvents; `work`
// itself must not touch widgets. `meanwhile`, when given, runs on this thread
// once the work has started: for something of its own that can overlap it.
void RunOffThread(const std::function<void()> &work, const std::function<void()> &meanwhile = {});

} // namespace veldra::desktop
