// CPU time the process uses while a fetch waits for a slow server, as a share
// of the wall time. A wait that blocks in the event loop stays near 0; a loop
// that polls without sleeping (measured as the anchor) uses a whole core.

#include "../tests/support/OpenURL.h"
#include "../tests/support/TestServer.h"
#include "transfer/Channels.h"
#include "transfer/TransferChannel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace
{

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The share of one core used while `work` runs.
template <typename Work> double CpuShare(Work work, double *wallSeconds = nullptr)
{
    QElapsedTimer wall;
    const double cpu0 = CpuSeconds();
    wall.start();
    work();
    const double seconds = wall.nsecsElapsed() / 1e9;
    if (wallSeconds)
        *wallSeconds = seconds;
    return (CpuSeconds() - cpu0) / seconds;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qunsetenv("http_proxy");
    testsupport::TestServer server;
    if (!server.start()) {
        std::fprintf(stderr, "test server: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    const veldra::transfer::ProxyValues proxies;
    veldra::transfer::Channels net;
    veldra::transfer::TransferChannel &channel = net.HTTP();
    // The first request sets up the network stack; it is not part of the wait.
    if (const auto warm = testsupport::OpenURL(channel, server.url(QStringLiteral("/_test/empty"))); !warm) {
        std::fprintf(stderr, "warm-up: %s\n", qPrintable(warm.error()));
        return 1;
    }
    QString error;

    // One fetch of five seconds; shortly after it starts, a handler waits for
    // the channel inside it, as a second download started meanwhile would.
    bool ok = false;
    double wall = 0;
    const double share = CpuShare(
        [&] {
            QTimer::singleShot(100, &channel, [&] { net.WaitForTransfer(channel, proxies); });
            const auto fetched = testsupport::OpenURL(channel, server.url(QStringLiteral("/_test/slow/5")));
            ok = fetched.ok();
            error = fetched.error();
        },
        &wall);
    if (!ok) {
        std::fprintf(stderr, "fetch: %s\n", qPrintable(error));
        return 1;
    }

    // Anchor: half a second of polling the event loop without sleeping.
    const double spinning = CpuShare([] {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 500)
            QCoreApplication::processEvents();
    });

    std::printf("cpu_share_while_waiting=%.4f\n", share);
    std::printf("wait_wall_seconds=%.2f\n", wall);
    std::printf("cpu_share_spinning_anchor=%.4f\n", spinning);
    return 0;
}
