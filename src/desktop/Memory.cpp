#include "desktop/Memory.h"

#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace veldra::desktop
{

void KeepLargeBuffersApart()
{
#if defined(__GLIBC__)
    // Buffers from 512 kB up get pages of their own, which go back on free.
    mallopt(M_MMAP_THRESHOLD, 512 * 1024);
#endif
}

} // namespace veldra::desktop
