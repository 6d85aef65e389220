#pragma once

namespace veldra::desktop
{

// Has large buffers (a downloaded document, its text, a long body's document)
// given back to the system as soon as they are freed. The C library otherwise
// raises its threshold for such buffers to the size of the largest one freed so
// far and keeps the ones below it for later use: after one long document the
// program would keep tens of megabytes it no longer uses. Called once, first
// thing in main.
void KeepLargeBuffersApart();

} // namespace veldra::desktop
