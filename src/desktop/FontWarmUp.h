#pragma once

#include <thread>

namespace veldra::desktop
{

// Reads the system's font configuration on a thread of its own while the
// program connects to the display. The first window cannot be sized or drawn
// before it is read, and reading it (parsing the configuration, loading the
// font caches) is a good part of the time to that window; done beside the
// rest of the start it is ready sooner. `finish` (or the destructor) waits for
// it, and must come before the first font is used.
class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp() { finish(); }
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    void finish();

private:
    std::thread m_thread;
};

} // namespace veldra::desktop
