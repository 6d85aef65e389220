// A 200 MB document over loopback: Veldra's download to disk against
// `curl -o` of the same URL from the same server, round by round in turn, and
// the CPU share of the process while a download waits on a slow server.
// Veldra's download ends with the file made durable (fsync) before it
// replaces the old copy, which curl -o does not do; so the same is measured
// against curl -o followed by an fsync of its file, and Veldra's fetch alone
// into an ordinary file against plain curl -o.
// Prints medians with their spread (lowest and highest of the rounds).

#include "../tests/support/OpenURL.h"
#include "../tests/support/TestServer.h"
#include "transfer/Download.h"
#include "transfer/TransferChannel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

using namespace veldra;

namespace
{

constexpr qint64 kDocumentBytes = 200LL * 1000 * 1000;
constexpr int kRounds = 9;

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Spread {
    double median, low, high;
};

Spread Of(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.front(), values.back()};
}

void Print(const char *name, const Spread &s, const char *format = "%.3f")
{
    std::printf("%s=", name);
    std::printf(format, s.median);
    std::printf("\n%s_spread=", name);
    std::printf(format, s.low);
    std::printf("..");
    std::printf(format, s.high);
    std::printf("\n");
}

bool WriteDocument(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block;
    for (int line = 0; block.size() < 1024 * 1024; ++line)
        block += "Subject=line " + QByteArray::number(line) + " of a long document, padded with text]\r\n";
    block.truncate(1024 * 1024);
    for (qint64 written = 0; written < kDocumentBytes; written += block.size())
        if (file.write(block.left(int(std::min<qint64>(block.size(), kDocumentBytes - written)))) < 0)
            return false;
    return true;
}

// Seconds one run of curl takes (and the fsync of its file after it), or -1.
double CurlSeconds(const QString &curl, const QString &url, const QString &out, bool thenSync)
{
    QFile::remove(out);
    QElapsedTimer clock;
    clock.start();
    QProcess p;
    p.start(curl, {QStringLiteral("-s"), QStringLiteral("-o"), out, url});
    if (!p.waitForFinished(600000) || p.exitCode() != 0 || QFileInfo(out).size() != kDocumentBytes)
        return -1;
    if (thenSync) {
        QFile file(out);
        if (!file.open(QIODevice::ReadWrite) || ::fsync(file.handle()) != 0)
            return -1;
    }
    return clock.nsecsElapsed() / 1e9;
}

// Seconds Veldra's fetch takes into an ordinary file, as curl -o writes one.
double FetchSeconds(transfer::TransferChannel &channel, const QString &url, const QString &out)
{
    QFile file(out);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return -1;
    QElapsedTimer clock;
    clock.start();
    const Status fetched = channel.Fetch(
        url,
        [&file](QByteArrayView piece) {
            return file.write(piece.data(), piece.size()) == piece.size() ? Status()
                                                                          : Status(Error{file.errorString()});
        },
        transfer::DownloadLimit{512 * transfer::DownloadLimit::kMiB});
    file.close();
    return fetched ? clock.nsecsElapsed() / 1e9 : -1;
}

double VeldraSeconds(transfer::TransferChannel &channel, const QString &url, const QString &out, transfer::FetchAs as)
{
    QFile::remove(out);
    QElapsedTimer clock;
    clock.start();
    const Status saved = transfer::DownloadToFileSafely(channel, url, out, as,
                                                        transfer::DownloadLimit{512 * transfer::DownloadLimit::kMiB});
    if (!saved) {
        std::fprintf(stderr, "download: %s\n", qPrintable(saved.error()));
        return -1;
    }
    return clock.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    for (const char *name : {"http_proxy", "all_proxy", "ALL_PROXY"})
        qunsetenv(name);
    const QString curl = QStandardPaths::findExecutable(QStringLiteral("curl"));
    if (curl.isEmpty()) {
        std::fprintf(stderr, "curl is not installed\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("root"));
    QDir().mkpath(root);
    if (!WriteDocument(root + QStringLiteral("/big.txt"))) {
        std::fprintf(stderr, "cannot write the document\n");
        return 1;
    }
    testsupport::TestServer server(root);
    if (!server.start()) {
        std::fprintf(stderr, "test server: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    const QString url = server.url(QStringLiteral("/big.txt"));
    const QString out = dir.filePath(QStringLiteral("out.txt"));
    transfer::TransferChannel channel(QStringLiteral("HTTP"));

    // Rounds in turn, each side first every other round, so that a slower
    // moment of the machine falls on both.
    std::vector<double> ours, theirs, ratios, text, synced, fetchOnly;
    for (int round = 0; round < kRounds; ++round) {
        double mine = 0, curls = 0;
        if (round % 2 == 0) {
            mine = VeldraSeconds(channel, url, out, transfer::FetchAs::Bytes);
            curls = CurlSeconds(curl, url, out, false);
        } else {
            curls = CurlSeconds(curl, url, out, false);
            mine = VeldraSeconds(channel, url, out, transfer::FetchAs::Bytes);
        }
        const double asText = VeldraSeconds(channel, url, out, transfer::FetchAs::TextWithCrLf);
        const double curlSynced = CurlSeconds(curl, url, out, true);
        const double fetched = FetchSeconds(channel, url, out);
        const double curlAgain = CurlSeconds(curl, url, out, false);
        if (mine < 0 || curls < 0 || asText < 0 || curlSynced < 0 || fetched < 0 || curlAgain < 0) {
            std::fprintf(stderr, "round %d failed\n", round);
            return 1;
        }
        ours.push_back(mine);
        theirs.push_back(curls);
        ratios.push_back(mine / curls);
        text.push_back(asText / curls);
        synced.push_back(mine / curlSynced);
        fetchOnly.push_back(fetched / curlAgain);
    }

    // The wait: three fetches that each wait three seconds for the answer.
    std::vector<double> shares;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer wall;
        const double cpu0 = CpuSeconds();
        wall.start();
        const Result<QByteArray> slow = testsupport::OpenURLBytes(channel, server.url(QStringLiteral("/_test/slow/3")));
        if (!slow) {
            std::fprintf(stderr, "slow fetch: %s\n", qPrintable(slow.error()));
            return 1;
        }
        shares.push_back((CpuSeconds() - cpu0) / (wall.nsecsElapsed() / 1e9));
    }

    std::printf("document_bytes=%lld\nrounds=%d\n", kDocumentBytes, kRounds);
    Print("transfer_ratio_vs_curl", Of(ratios));
    Print("veldra_seconds", Of(ours));
    Print("curl_seconds", Of(theirs));
    Print("text_ratio_vs_curl", Of(text));
    Print("transfer_ratio_vs_curl_and_fsync", Of(synced));
    Print("fetch_ratio_vs_curl", Of(fetchOnly));
    Print("cpu_share_while_waiting", Of(shares), "%.4f");
    return 0;
}
