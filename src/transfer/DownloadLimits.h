#pragma once

#include <QtGlobal>

namespace veldra::transfer
{

// How much a download may take: a server that sends without end, or trickles
// a byte now and then, must not fill the memory or the disk, or keep the
// program waiting for ever.
struct DownloadLimit {
    static constexpr qint64 kMiB = 1024 * 1024;
    qint64 maxBytes = 64 * kMiB; // of the body as it is stored, after any decoding
    int deadlineSeconds = 600;   // for the whole download; 0 sets none
    // A download slower than this many bytes a second for this many seconds
    // in a row is given up; 0 in either turns the check off.
    int lowSpeedBytesPerSecond = 100;
    int lowSpeedSeconds = 60;
};

// The limit of each kind of download. Whole library indexes and documents may
// be large text files; the news is one short document.
struct DownloadLimits {
    DownloadLimit index{256 * DownloadLimit::kMiB, 600};
    DownloadLimit news{64 * DownloadLimit::kMiB, 600};
    DownloadLimit faq{256 * DownloadLimit::kMiB, 600};
};

} // namespace veldra::transfer
