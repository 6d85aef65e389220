#pragma once

namespace veldra::settings
{
class Module1;
}

namespace veldra::news
{

// Whether the machine is connected, for the news download from the state's
// server: the state's answer where it has one, else the system's.
bool IsOnline(const settings::Module1 &state);

} // namespace veldra::news
