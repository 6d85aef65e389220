// Start-up to the first window, as a user meets it: from starting the real
// program (in a scratch program folder, against the sample library served by
// the loopback test server) until its main window is mapped on the X server
// (the index and the news downloaded), against a bare Qt window of the same
// size; also the time to the program's first window, the progress window. The
// same two times of bench_startup_floor, the least a program does in the same
// order, show how much of the ratio is the order's own. Runs under an X
// server (xvfb-run); the three take turns so that a change in the machine's
// load falls on all.
// Prints the medians, their ratio and the spreads.
#include "../tests/support/TestServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <poll.h>
#include <vector>
#include <xcb/xcb.h>

namespace
{

// The name of a window, as its WM_NAME property holds it.
QByteArray WindowName(xcb_connection_t *x, xcb_window_t window)
{
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(x, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(x, cookie, nullptr);
    if (!reply)
        return {};
    const QByteArray name(static_cast<const char *>(xcb_get_property_value(reply)),
                          xcb_get_property_value_length(reply));
    free(reply);
    return name;
}

// Milliseconds from starting `process` until its first top-level window is
// mapped, and until one whose name starts with `title` is; -1 when none is
// within 30 s.
struct Mapped {
    double first = -1;
    double titled = -1;
};

Mapped TimeToWindow(xcb_connection_t *x, QProcess &process, const QByteArray &title)
{
    Mapped m;
    QElapsedTimer clock;
    clock.start();
    process.start();
    const int fd = xcb_get_file_descriptor(x);
    while (clock.elapsed() < 30000) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(x)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            const xcb_window_t window = mapped ? reinterpret_cast<xcb_map_notify_event_t *>(event)->window : 0;
            free(event);
            if (!mapped)
                continue;
            const double ms = double(clock.nsecsElapsed()) / 1e6;
            if (m.first < 0)
                m.first = ms;
            if (WindowName(x, window).startsWith(title)) {
                m.titled = ms;
                return m;
            }
        }
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, 100);
    }
    return m;
}

void Stop(QProcess &process)
{
    testsupport::StopProcess(process);
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void Report(const char *metric, const std::vector<double> &v)
{
    std::printf("%s=%.1f\n", metric, Median(v));
    std::printf("# %s: median %.1f, spread %.1f to %.1f over %zu runs\n", metric, Median(v),
                *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end()), v.size());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 7;
    const QString bin = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/");
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X server (run under xvfb-run)\n");
        return 1;
    }
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    // The program in a folder of its own, with a user whose proxy is the test
    // server: the requests for the library reach it on a free port.
    QTemporaryDir dir;
    const QString prog = dir.filePath(QStringLiteral("prog"));
    QDir().mkpath(prog);
    if (!QFile::copy(bin + QStringLiteral("veldra"), prog + QStringLiteral("/veldra"))) {
        std::fprintf(stderr, "veldra not built\n");
        return 1;
    }
    QFile::copy(bin + QStringLiteral("hand.cur"), prog + QStringLiteral("/hand.cur"));
    testsupport::TestServer server(QStringLiteral(VELDRA_SOURCE_DIR "/library"));
    if (!server.start()) {
        std::fprintf(stderr, "test server: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    testsupport::WriteFile(dir.filePath(QStringLiteral("config/Veldra/Veldra.conf")),
                           "[Proxy_Settings]\nHTTP=127.0.0.1\nHTTP_Port=" + QByteArray::number(server.port()) + "\n");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("http_proxy"));

    QProcess veldra;
    veldra.setProgram(prog + QStringLiteral("/veldra"));
    veldra.setProcessEnvironment(env);
    QProcess bare;
    bare.setProgram(bin + QStringLiteral("../bench/bench_bare_window"));
    bare.setProcessEnvironment(env);
    // What the start-up's order costs at least, fetching from the same server.
    QProcess floor;
    floor.setProgram(bin + QStringLiteral("../bench/bench_startup_floor"));
    floor.setArguments({QStringLiteral("http://127.0.0.1:%1/software/corvane/").arg(server.port())});
    floor.setProcessEnvironment(env);

    std::vector<double> program, first, anchor, least, leastFirst;
    for (int i = 0; i < runs + 1; ++i) {
        const Mapped a = TimeToWindow(x, bare, "Bare window");
        Stop(bare);
        const Mapped p = TimeToWindow(x, veldra, "Veldra v");
        Stop(veldra);
        const Mapped f = TimeToWindow(x, floor, "Floor window");
        Stop(floor);
        if (a.titled < 0 || p.titled < 0 || f.titled < 0) {
            std::fprintf(stderr, "a window did not appear\n");
            return 1;
        }
        if (i > 0) { // the first round warms the caches
            anchor.push_back(a.titled);
            program.push_back(p.titled);
            first.push_back(p.first);
            least.push_back(f.titled);
            leastFirst.push_back(f.first);
        }
    }
    if (server.requests().size() < 2) {
        std::fprintf(stderr, "the program did not fetch the index and the news from the test server\n");
        return 1;
    }
    xcb_disconnect(x);
    Report("startup_ms", program);
    Report("startup_first_window_ms", first);
    Report("startup_bare_window_ms", anchor);
    std::printf("startup_ratio_vs_bare_window=%.2f\n", Median(program) / Median(anchor));
    std::printf("startup_first_window_ratio_vs_bare_window=%.2f\n", Median(first) / Median(anchor));
    Report("startup_floor_ms", least);
    Report("startup_floor_first_window_ms", leastFirst);
    std::printf("startup_floor_ratio_vs_bare_window=%.2f\n", Median(least) / Median(anchor));
    std::printf("startup_floor_first_window_ratio_vs_bare_window=%.2f\n", Median(leastFirst) / Median(anchor));
    return 0;
}
