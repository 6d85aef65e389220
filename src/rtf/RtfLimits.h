#pragma once

#include <algorithm>
#include <cstddef>

namespace veldra::rtf
{

// Bounds on the numbers a document gives: anything beyond them is broken or
// hostile input, and is clamped rather than trusted.
constexpr int kMaxParameter = 1000000000;
constexpr int kMaxTwips = 31680; // 22 inches: wider indents are broken input
constexpr int kMaxHalfPoints = 3276;
constexpr size_t kMaxWordLength = 32;

inline int Twips(int v)
{
    return std::clamp(v, -kMaxTwips, kMaxTwips);
}

} // namespace veldra::rtf
