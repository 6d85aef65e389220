#include "desktop/FontWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace veldra::desktop
{

FontWarmUp::FontWarmUp()
{
    // Fontconfig is thread-safe; Qt's own FcInit later finds the work done.
    try {
        m_thread = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // No thread to be had: Qt reads the configuration itself when it needs it.
    }
}

void FontWarmUp::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace veldra::desktop
