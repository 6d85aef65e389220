#!/usr/bin/env python3
"""End-to-end cases of the real Veldra binary, driven as a person would.

Runs inside an X server (xvfb-run). Starts real servers on loopback, starts a copy
of build/bin/veldra in a scratch program folder, drives it with xdotool and checks
what a person and the disk see. Controls are found as a screen reader finds them,
through AT-SPI on a private session bus, so the cases hold at any scale and font.
Screenshots of each step go to <build>/e2e/<case>/.

Needs Debian's python3 with python3-pyatspi (at-spi2-core).
"""
import argparse
import collections
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

import cases_https
import cases_reader_tools
import cases_offline
import cases_window
from cases_window import check_inside_screen
import cases_language

pyatspi = None  # imported once the session bus is up


def free_port():
    with socket.socket() as sock:
        sock.bind(("127.0.0.1", 0))
        return sock.getsockname()[1]


class Failure(Exception):
    pass


class Session:
    def __init__(self, args):
        self.args = args
        self.tmp = tempfile.mkdtemp(prefix="veldra-e2e-")
        self.prog = os.path.join(self.tmp, "prog")
        self.served = os.path.join(self.tmp, "served")
        self.shots = os.path.join(args.build, "e2e", args.case)
        self.procs = []
        self.step = 0
        self.app = None
        self.bus_pid = None
        # Each session serves on a port of its own, so cases run side by side.
        self.port = args.port or free_port()
        # Qt 6.4 tells AT-SPI its positions in logical pixels; at a scale factor
        # they are turned into the screen's.
        self.scale = 1.0
        self.framed = False  # a window manager frames the windows
        os.makedirs(self.prog)
        shutil.rmtree(self.shots, ignore_errors=True)
        os.makedirs(self.shots)
        for name in ("veldra", "hand.cur"):
            src = os.path.join(args.build, "bin", name)
            if os.path.exists(src):
                shutil.copy2(src, self.prog)
        shutil.copytree(os.path.join(args.source, "library"), self.served)
        self.env = dict(os.environ)
        for var, sub in (("HOME", "home"), ("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "data"),
                         ("XDG_RUNTIME_DIR", "runtime")):
            path = os.path.join(self.tmp, sub)
            os.makedirs(path, mode=0o700, exist_ok=True)
            self.env[var] = path
        self.env["QT_QPA_PLATFORM"] = "xcb"
        for var in ("http_proxy", "HTTP_PROXY", "QT_SCALE_FACTOR", "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE"):
            self.env.pop(var, None)
        # The desktop's opener is a stand-in that notes what it was asked to open.
        self.opened = os.path.join(self.tmp, "opened.txt")
        bindir = os.path.join(self.tmp, "bin")
        os.makedirs(bindir)
        opener = os.path.join(bindir, "xdg-open")
        with open(opener, "w") as f:
            f.write(f'#!/bin/sh\nprintf "%s\\n" "$*" >> "{self.opened}"\n')
        os.chmod(opener, 0o755)
        self.env["PATH"] = bindir + os.pathsep + self.env.get("PATH", "")
        self.start_session_bus()

    # --- processes -------------------------------------------------------
    def spawn(self, cmd, **kw):
        p = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kw)
        self.procs.append(p)
        return p

    def start_session_bus(self):
        """A session bus of our own, on which the accessibility bus starts."""
        out = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1", "--print-pid=1"],
                             capture_output=True, text=True, env=self.env, check=True).stdout.split()
        self.bus_pid = int(out[1])
        self.env["DBUS_SESSION_BUS_ADDRESS"] = out[0]
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = out[0]
        # Qt offers its accessibility tree without waiting for a screen reader.
        self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"

    def wait_port(self, port, timeout=10):
        end = time.time() + timeout
        while time.time() < end:
            try:
                socket.create_connection(("127.0.0.1", port), 0.2).close()
                return
            except OSError:
                time.sleep(0.1)
        raise Failure(f"nothing listens on 127.0.0.1:{port}")

    def serve_library(self):
        port = self.port
        try:
            socket.create_connection(("127.0.0.1", port), 0.2).close()
            raise Failure(f"port {port} is already in use; stop whatever serves it (./run?)")
        except OSError:
            pass
        self.spawn([sys.executable, "-m", "http.server", str(port), "--bind", "127.0.0.1",
                    "--directory", self.served])
        self.wait_port(port)

    def start_tinyproxy(self):
        with socket.socket() as s:
            s.bind(("127.0.0.1", 0))
            port = s.getsockname()[1]
        self.proxy_log = os.path.join(self.tmp, "tinyproxy.log")
        conf = os.path.join(self.tmp, "tinyproxy.conf")
        with open(conf, "w") as f:
            f.write(f"Port {port}\nListen 127.0.0.1\nTimeout 30\nLogFile \"{self.proxy_log}\"\n"
                    "LogLevel Info\nMaxClients 10\nAllow 127.0.0.1\n")
            if os.getuid() == 0:
                f.write("User nobody\nGroup nogroup\n")
        open(self.proxy_log, "w").close()
        os.chmod(self.proxy_log, 0o666)
        os.chmod(self.tmp, 0o755)
        self.spawn(["tinyproxy", "-d", "-c", conf])
        self.wait_port(port)
        return port

    def start_veldra(self, *options, log=None, own_server=True, **extra_env):
        """Starts the program with the command-line options given and the extra
        environment; with `log`, its diagnostics (all of them) go to that file.
        Unless told otherwise, the program's server is this session's port."""
        if own_server and "--server" not in options:
            options = ("--server", f"http://127.0.0.1:{self.port}/", *options)
        env = dict(self.env, **extra_env)
        # Qt scales by the font's dots per inch as well (QT_FONT_DPI against 96).
        self.scale = float(env.get("QT_SCALE_FACTOR", 1)) * float(env.get("QT_FONT_DPI", 96)) / 96
        err = subprocess.DEVNULL
        if log:
            env["QT_LOGGING_RULES"] = "veldra.*.debug=true"
            err = open(log, "w")
            self.veldra_log = log
        self.app = subprocess.Popen([os.path.join(self.prog, "veldra"), *options], env=env, cwd=self.tmp,
                                    stdout=subprocess.DEVNULL, stderr=err)
        self.procs.append(self.app)

    def start_window_manager(self):
        """Openbox frames the windows from here on, as a desktop's window manager does."""
        self.spawn(["openbox", "--sm-disable"], env=self.env)
        self.framed = True
        end = time.time() + 15
        while time.time() < end:
            r = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True, text=True)
            if "window id" in r.stdout:
                return
            time.sleep(0.1)
        raise Failure("openbox did not start")

    def stop_all(self):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.send_signal(signal.SIGTERM)
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()
        if self.bus_pid:
            try:
                os.kill(self.bus_pid, signal.SIGTERM)
            except ProcessLookupError:
                pass

    # --- the screen --------------------------------------------------------
    def xdo(self, *words, check=True):
        r = subprocess.run(["xdotool", *map(str, words)], capture_output=True, text=True)
        if check and r.returncode != 0:
            raise Failure(f"xdotool {' '.join(map(str, words))} failed: {r.stderr.strip()}")
        return r.stdout.strip()

    def find_window(self, name_regex, timeout=30):
        end = time.time() + timeout
        while time.time() < end:
            out = self.xdo("search", "--onlyvisible", "--name", name_regex, check=False)
            if out:
                return out.split()[-1]
            if self.app.poll() is not None:
                raise Failure(f"veldra exited with {self.app.returncode} while waiting for '{name_regex}'")
            time.sleep(0.2)
        raise Failure(f"no window named '{name_regex}' within {timeout} s")

    def window_shown(self, name_regex):
        return bool(self.xdo("search", "--onlyvisible", "--name", name_regex, check=False))

    def window_gone(self, name_regex, timeout=10):
        end = time.time() + timeout
        while time.time() < end:
            if not self.window_shown(name_regex):
                return
            time.sleep(0.2)
        raise Failure(f"window '{name_regex}' still shown after {timeout} s")

    def geometry(self, wid):
        """x, y, width, height of a window's client area on the screen. (xdotool's
        own answer counts a window manager's frame in twice.)"""
        info = subprocess.run(["xwininfo", "-id", wid], capture_output=True, text=True, check=True).stdout
        geo = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
        return tuple(int(geo[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def frame_extents(self, wid):
        """left, right, top, bottom of the window manager's frame, or None before it has one."""
        r = subprocess.run(["xprop", "-id", wid, "_NET_FRAME_EXTENTS"], capture_output=True, text=True)
        if "=" not in r.stdout:
            return None
        return tuple(int(v) for v in r.stdout.split("=")[1].split(","))

    def frame(self, wid):
        """x, y, width, height of a window with its title bar and borders."""
        x, y, w, h = self.geometry(wid)
        left, right, top, bottom = self.frame_extents(wid) or (0, 0, 0, 0)
        return x - left, y - top, w + left + right, h + top + bottom

    def screen_size(self):
        w, h = self.xdo("getdisplaygeometry").split()
        return int(w), int(h)

    def shot(self, what):
        self.step += 1
        time.sleep(0.4)  # let the last repaint reach the screen
        path = os.path.join(self.shots, f"{self.step:02d}-{what}.png")
        subprocess.run(["import", "-window", "root", path], check=True)
        return path

    def keep_window(self, name, wid, out, margin=4):
        """A screenshot cropped to a window and a margin round it, kept as out/name.png."""
        x, y, w, h = self.geometry(wid)
        sw, sh = self.screen_size()
        left, top = max(0, x - margin), max(0, y - margin)
        right, bottom = min(sw, x + w + margin), min(sh, y + h + margin)
        os.makedirs(out, exist_ok=True)
        path = os.path.join(out, name + ".png")
        subprocess.run(["convert", self.shot(name), "-crop", f"{right - left}x{bottom - top}+{left}+{top}",
                        "+repage", path], check=True)
        return path

    def click(self, x, y):
        self.xdo("mousemove", "--sync", int(x), int(y))
        self.xdo("click", 1)
        time.sleep(0.3)

    def focus(self, wid):
        self.xdo("windowfocus", "--sync", wid, check=False)
        time.sleep(0.2)

    def key(self, *keys):
        self.xdo("key", "--delay", 50, *keys)
        time.sleep(0.2)

    def type(self, text):
        self.xdo("type", "--delay", 30, text)

    # --- what a screen reader sees ------------------------------------------
    def a11y_app(self, timeout=30):
        """The program's accessible application, once it shows its main window."""
        global pyatspi
        if pyatspi is None:
            try:
                import pyatspi as module
            except ImportError:
                raise Failure("python3-pyatspi is missing (scripts/deps.sh installs it)")
            pyatspi = module
        end = time.time() + timeout
        while time.time() < end:
            for app in pyatspi.Registry.getDesktop(0):
                try:
                    if app is not None and app.get_process_id() == self.app.pid and app.childCount:
                        return app
                except Exception:
                    pass
            time.sleep(0.2)
        raise Failure("the program does not show up on the accessibility bus")

    def control(self, name, role=None, within=None, showing=True, timeout=10):
        """The first control with this accessible name (and role), shown on the screen."""
        end = time.time() + timeout
        while True:
            root = within or self.a11y_app()

            def wanted(a):
                try:
                    return (a.name == name and (role is None or a.getRoleName() == role)
                            and (not showing or a.getState().contains(pyatspi.STATE_SHOWING)))
                except Exception:
                    return False

            found = pyatspi.findDescendant(root, wanted)
            if found is not None:
                return found
            if time.time() > end:
                raise Failure(f"no {'shown ' if showing else ''}control named '{name}'"
                              f"{' (' + role + ')' if role else ''}")
            time.sleep(0.2)

    def on_screen(self, x, y, w=0, h=0):
        return tuple(round(v * self.scale) for v in (x, y, w, h))

    def extents(self, acc):
        """x, y, width, height of a control on the screen."""
        e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return self.on_screen(e.x, e.y, e.width, e.height)

    def centre(self, acc):
        x, y, w, h = self.extents(acc)
        return x + w // 2, y + h // 2

    def click_on(self, name, role=None, within=None):
        self.click(*self.centre(self.control(name, role, within)))

    def node(self, text):
        """An item of the navigation tree, by its text."""
        return self.control(text, within=self.control("Navigation", "tree"))

    def click_node(self, text):
        self.click(*self.centre(self.node(text)))

    def text_of(self, name):
        t = self.control(name, "text", showing=False).queryText()
        return t.getText(0, -1)

    def text_point(self, name, words, index=0):
        """Screen point on the character `index` of `words` in a text control."""
        t = self.control(name, "text").queryText()
        at = t.getText(0, -1).find(words)
        if at < 0:
            raise Failure(f"'{words}' is not in {name}")
        x, y, w, h = self.on_screen(*t.getCharacterExtents(at + index, pyatspi.DESKTOP_COORDS))
        return x + w // 2, y + h // 2

    def scroll_to_end(self, name):
        """Clicks into a text control's first line and moves its caret to the end."""
        x, y, w, h = self.extents(self.control(name, "text"))
        self.click(x + w // 2, y + 8)
        self.key("ctrl+End")
        time.sleep(0.3)

    def text_range(self, name, words):
        """Screen rectangle of `words` in a text control: x, y, width, height."""
        t = self.control(name, "text").queryText()
        at = t.getText(0, -1).find(words)
        if at < 0:
            raise Failure(f"'{words}' is not in {name}")
        return self.on_screen(*t.getRangeExtents(at, at + len(words), pyatspi.DESKTOP_COORDS))

    def focused(self):
        """The accessible names of the controls that report the keyboard focus: a
        control, and within a tree or list the item that has it."""
        app = self.a11y_app()
        found = []
        pyatspi.findAllDescendants(app, lambda a: a.getState().contains(pyatspi.STATE_FOCUSED) and
                                   found.append(a.name))
        return found

    def enabled(self, name, role="push button"):
        return self.control(name, role).getState().contains(pyatspi.STATE_ENABLED)

    def result_rows(self):
        """The subject cells of the result list, in order."""
        table = self.control("Search results").queryTable()
        return [table.getAccessibleAt(row, 0) for row in range(table.nRows)]

    # --- what the disk shows -------------------------------------------------
    def read(self, *parts):
        with open(os.path.join(*parts), "rb") as f:
            return f.read()

    def wait_file(self, path, timeout=20):
        end = time.time() + timeout
        while time.time() < end:
            if os.path.exists(path) and os.path.getsize(path) > 0:
                return
            time.sleep(0.2)
        raise Failure(f"{path} did not appear")

    def expect(self, cond, message):
        if not cond:
            raise Failure(message)

    def wait_for(self, cond, message, timeout=10):
        end = time.time() + timeout
        while not cond():
            if time.time() > end:
                raise Failure(message)
            time.sleep(0.2)

    def search(self, text):
        """Opens the search panel, types the text and presses Enter."""
        self.click_node("Search Solution")
        self.click_on("Search on server for", "text")
        self.key("ctrl+a")
        self.type(text)
        self.key("Return")
        time.sleep(1)

    def opened_targets(self, at_least, timeout=5):
        """What the desktop was asked to open, once at least that many arrived."""
        end = time.time() + timeout
        while True:
            lines = open(self.opened).read().splitlines() if os.path.exists(self.opened) else []
            if len(lines) >= at_least or time.time() > end:
                return lines
            time.sleep(0.1)

    def read_first_result(self):
        rows = self.result_rows()
        self.expect(rows, "the search listed nothing")
        self.click(*self.centre(rows[0]))
        self.click_on("Read", "push button")
        time.sleep(2)

    def main_window(self):
        return self.find_window("^Veldra v2\\.0")

    def check_start_downloads(self):
        lib = os.path.join(self.served, "software", "corvane")
        self.expect(self.read(self.prog, "script.dat") == self.read(lib, "script.txt") + b"\r\n",
                    "script.dat is not the served index followed by CR LF")
        self.expect(self.read(self.prog, "news.rtf") == self.read(lib, "test.rtf"),
                    "news.rtf differs from the served news")

    def downloaded(self):
        return [n for n in os.listdir(self.prog) if n not in ("veldra", "hand.cur", "script.dat", "news.rtf")]


def case_start(s):
    s.serve_library()
    s.start_veldra()
    s.main_window()
    s.shot("news-panel")
    s.check_start_downloads()


def case_server_down(s):
    s.start_veldra()
    # The index download reports the failure (the channel may report it too, and
    # so may the news download's channel); each box is closed as a person would.
    boxes = 0
    end = time.time() + 60
    while time.time() < end:
        if s.xdo("search", "--onlyvisible", "--name", "^Veldra v2\\.0", check=False):
            break
        box = s.xdo("search", "--onlyvisible", "--name", "^Veldra - Error$", check=False)
        if box:
            boxes += 1
            s.shot("error-message")
            s.focus(box.split()[-1])
            s.key("Return")
        time.sleep(0.3)
    s.expect(boxes >= 1, "no error message was shown for the unreachable server")
    s.main_window()
    s.shot("main-window-without-server")
    index = os.path.join(s.prog, "script.dat")
    s.expect(not os.path.exists(index) or os.path.getsize(index) == 0, "a failed download left an index with content")
    s.expect(not os.path.exists(os.path.join(s.prog, "news.rtf")), "a failed news download left a news file")


def case_proxy(s):
    s.serve_library()
    port = s.start_tinyproxy()
    conf_dir = os.path.join(s.env["XDG_CONFIG_HOME"], "Veldra")
    os.makedirs(conf_dir)
    with open(os.path.join(conf_dir, "Veldra.conf"), "w") as f:
        f.write(f"[Proxy_Settings]\nHTTP=127.0.0.1\nHTTP_Port={port}\nFTP=\nFTP_Port=0\n")
    s.start_veldra()
    s.main_window()
    s.shot("started-through-proxy")
    s.check_start_downloads()
    log = open(s.proxy_log, errors="replace").read()
    base = f"http://127.0.0.1:{s.port}/software/corvane/"
    for doc in ("script.txt", "test.rtf"):
        s.expect(base + doc in log, f"the proxy's log does not show the request for {doc}:\n{log}")


def add_link_document(s):
    """A document whose body starts with a link, listed first in the served index."""
    lib = os.path.join(s.served, "software", "corvane")
    with open(os.path.join(lib, "e2e-links.faq"), "wb") as f:
        f.write(b"Subject=Links for the pointer\r\nAuthorWEBSITE=www.example.org/author\r\n[Body]\r\n"
                b"www.example.org/first is where the body starts\r\nand a second line\r\n[/body]\r\n")
    index = os.path.join(lib, "script.txt")
    with open(index, "rb") as f:
        rest = f.read()
    with open(index, "wb") as f:
        f.write(b"e2e-links.faq=Links for the pointer]\r\n" + rest)


def case_search_read(s):
    s.serve_library()
    add_link_document(s)
    s.start_veldra()
    win = s.main_window()
    s.focus(win)
    s.search("proxy")
    s.shot("search-results")
    s.read_first_result()
    s.expect(s.downloaded(), f"Read downloaded nothing into the program folder: {os.listdir(s.prog)}")
    s.shot("reader")
    s.expect(not s.opened_targets(1, timeout=0), "something was opened before any link was clicked")

    # A document whose body starts with a link, and whose website field holds
    # one: the word under the pointer is found as it moves, and a click hands
    # it to the desktop.
    s.search("links for the pointer")
    s.read_first_result()
    s.shot("reader-links")
    x, y = s.text_point("Document", "www.example.org/first", 2)
    s.xdo("mousemove", "--sync", x - 4, y + 1)
    time.sleep(0.5)
    s.xdo("mousemove", "--sync", x, y)
    time.sleep(0.5)
    s.shot("reader-hover")
    s.xdo("click", 1)
    opened = s.opened_targets(1)
    s.expect(opened == ["http://www.example.org/first"], f"a click on the body's link opened {opened}")
    s.click_on("Website", "text")
    opened = s.opened_targets(2)
    s.expect(opened[1:] == ["http://www.example.org/author"], f"a click on the website field opened {opened[1:]}")


def case_proxy_dialog(s):
    s.serve_library()
    s.start_veldra()
    win = s.main_window()
    s.focus(win)
    s.click_node("Proxy settings")
    dlg = s.find_window("^Edit Proxy Settings$")
    s.focus(dlg)
    s.shot("proxy-dialog")
    s.key("ctrl+a")
    s.type("proxy.example.org")
    s.key("Tab")
    s.key("ctrl+a")
    s.type("8080")
    s.shot("proxy-dialog-filled")
    s.key("alt+o")
    s.window_gone("^Edit Proxy Settings$")
    conf = open(os.path.join(s.env["XDG_CONFIG_HOME"], "Veldra", "Veldra.conf")).read()
    s.expect("HTTP=proxy.example.org" in conf and "HTTP_Port=8080" in conf,
             f"the settings file does not hold what OK wrote:\n{conf}")


def case_keyboard(s):
    """Search, choose and read a document without the mouse."""
    s.serve_library()
    s.start_veldra()
    s.focus(s.main_window())
    s.wait_for(lambda: "Navigation" in s.focused(), f"the tree does not have the focus at start ({s.focused()})")
    s.key("Down")  # from "Community News" to "Search Solution"
    s.control("Search on server for", "text")  # the search panel is shown
    s.key("Tab")
    s.wait_for(lambda: "Search on server for" in s.focused(), f"Tab went to {s.focused()}, not the search box")
    s.type("proxy")
    s.key("Return")
    s.wait_for(lambda: len(s.result_rows()) > 1, "the search listed less than two results")
    s.expect(not s.enabled("Read"), "Read is enabled before a result was chosen")
    second = s.result_rows()[1].name
    s.key("Tab", "Tab")
    s.wait_for(lambda: "Search results" in s.focused(), f"Tab went to {s.focused()}, not the results")
    s.expect(s.enabled("Read"), "coming to the results by keyboard did not enable Read")
    s.key("Down")
    s.shot("second-result-chosen")
    s.key("Return")
    s.wait_for(lambda: s.text_of("Subject") == second, f"the reader does not show '{second}'", timeout=20)
    s.expect(s.downloaded(), "Enter on a result downloaded nothing")
    s.shot("read-by-keyboard")


def case_tree_keys(s):
    """Arrowing and typing through the tree opens no dialog; Enter and Space do."""
    s.serve_library()
    s.start_veldra()
    s.focus(s.main_window())
    s.wait_for(lambda: "Navigation" in s.focused(), "the tree does not have the focus at start")
    dialogs = ("^Edit Proxy Settings$", "^Veldra$")
    seen = []
    for keys in (["Down"] * 9, ["Up"] * 9, ["End"], ["Home"], ["a"], ["p"], ["a"]):
        for k in keys:
            s.key(k)
            seen += [d for d in dialogs if s.window_shown(d)]
    s.shot("tree-after-arrows")
    s.expect(not seen, f"moving through the tree opened {seen}")
    # "a" selected "About...": Space opens the about box, Enter closes it.
    s.key("space")
    box = s.find_window("^Veldra$", timeout=10)
    s.shot("about-by-space")
    s.focus(box)
    s.key("Return")
    s.window_gone("^Veldra$")
    s.focus(s.main_window())
    s.key("p")  # "Proxy settings"
    s.key("Return")
    dlg = s.find_window("^Edit Proxy Settings$", timeout=10)
    s.focus(dlg)
    s.key("alt+c")
    s.window_gone("^Edit Proxy Settings$")


def case_accessibility(s):
    """What a screen reader reads out for every input of the main window."""
    s.serve_library()
    s.start_veldra()
    s.main_window()
    expected = {
        "Navigation": "tree", "Community news": "text", "Search on server for": "text", "Search": "push button",
        "Search results": None, "Read": "push button", "Subject": "text", "Author": "text", "Website": "text",
        "Version": "text", "Extra functions": "push button", "Document": "text",
    }
    missing = []
    for name, role in expected.items():
        try:
            acc = s.control(name, role, showing=False, timeout=2)
        except Failure as e:
            missing.append(str(e))
            continue
        if not acc.description:
            missing.append(f"'{name}' has no description")
    s.expect(not missing, "; ".join(missing))
    # The tree's items read as their texts, the news as its text.
    for text in ("Community News", "Search Solution", "FAQ-Reader", "Proxy settings", "About..."):
        s.node(text)
    s.expect("Veldra community news" in s.text_of("Community news"), "the news body reads no news")
    s.click_node("Proxy settings")
    s.find_window("^Edit Proxy Settings$")
    for name in ("HTTP proxy server", "HTTP proxy port", "FTP proxy server", "FTP proxy port"):
        s.control(name, "text")
    s.key("alt+c")


def case_scale_1_5(s):
    s.serve_library()
    s.start_window_manager()
    s.start_veldra(QT_SCALE_FACTOR="1.5")
    check_inside_screen(s, "at-1.5")


def case_scale_2(s):
    """At twice the scale: inside the screen, and (with --shots) the reader for the README."""
    s.serve_library()
    s.start_window_manager()
    s.start_veldra(QT_SCALE_FACTOR="2")
    win = check_inside_screen(s, "at-2")
    if s.args.shots:
        s.focus(win)
        s.search("proxy")
        s.read_first_result()
        s.keep_window("reader-2x", win, s.args.shots)


def pixels(path, x, y, w, h):
    """The RGB pixels of a rectangle of a screenshot."""
    raw = subprocess.run(["convert", path, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-depth", "8", "rgb:-"],
                         capture_output=True, check=True).stdout
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw) - 2, 3)]


def luminance(rgb):
    def channel(v):
        v /= 255
        return v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = rgb
    return 0.2126 * channel(r) + 0.7152 * channel(g) + 0.0722 * channel(b)


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def text_contrast(path, rect):
    """Background (the commonest colour) and the strongest contrast of the text on it."""
    px = pixels(path, *rect)
    ground = collections.Counter(px).most_common(1)[0][0]
    return ground, max(contrast(p, ground) for p in px)


def case_dark_theme(s):
    """A dark desktop theme (qt6ct's "darker"): the news stays readable, links too."""
    conf = os.path.join(s.env["XDG_CONFIG_HOME"], "qt6ct")
    os.makedirs(conf)
    with open(os.path.join(conf, "qt6ct.conf"), "w") as f:
        f.write("[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\n"
                "style=Fusion\n\n[Fonts]\ngeneral=\"Sans Serif,9,-1,5,400,0,0,0,0,0,0,0,0,0,0,1\"\n")
    s.serve_library()
    s.start_veldra(QT_QPA_PLATFORMTHEME="qt6ct")
    win = s.main_window()
    s.focus(win)
    time.sleep(1)
    s.scroll_to_end("Community news")  # where the links are
    path = s.shot("news-dark")
    x, y, w, h = s.extents(s.control("Navigation", "tree"))
    ground = collections.Counter(pixels(path, x + 2, y + h - 20, w - 4, 16)).most_common(1)[0][0]
    s.expect(luminance(ground) < 0.1, f"the theme is not dark: the tree's ground is {ground}")
    for what, words in (("text", "Read the full release notes"), ("link", "www.example.org/veldra/news/2.0.3.html")):
        page, best = text_contrast(path, s.text_range("Community news", words))
        s.expect(best >= 4.5, f"the news {what} has a contrast of {best:.2f} on {page}")
        print(f"news {what}: contrast {best:.2f} on {page}")
    if s.args.shots:
        s.keep_window("news-dark", win, s.args.shots)


def case_news_link(s):
    """A click on a link in the news reaches the desktop's opener."""
    s.serve_library()
    s.start_veldra()
    s.focus(s.main_window())
    s.scroll_to_end("Community news")
    x, y = s.text_point("Community news", "www.example.org/veldra/news/2.0.3.html", 3)
    s.xdo("mousemove", "--sync", x - 5, y + 1)
    time.sleep(0.3)
    s.xdo("mousemove", "--sync", x, y)
    time.sleep(0.5)
    s.shot("news-link-hover")
    s.xdo("click", 1)
    opened = s.opened_targets(1)
    s.expect(opened == ["http://www.example.org/veldra/news/2.0.3.html"], f"a click on the news link opened {opened}")
    x, y = s.text_point("Community news", "news@example.org", 2)
    s.xdo("mousemove", "--sync", x - 5, y + 1)
    s.xdo("mousemove", "--sync", x, y)
    time.sleep(0.3)
    s.xdo("click", 1)
    opened = s.opened_targets(2)
    s.expect(opened[1:] == ["mailto:news@example.org"], f"a click on the news mail link opened {opened[1:]}")
    # Plain text next to it opens nothing.
    s.click(*s.text_point("Community news", "Read the full release notes", 2))
    s.expect(len(s.opened_targets(3, timeout=1)) == 2, "a click on plain news text opened something")


def case_tour(s):
    """Screenshots of each panel for the README, cropped to the window."""
    s.serve_library()
    s.start_veldra()
    win = s.main_window()
    s.focus(win)
    out = s.args.shots or s.shots
    s.keep_window("news", win, out)
    s.search("proxy")
    s.click(*s.centre(s.result_rows()[0]))
    s.keep_window("search", win, out)
    s.read_first_result()
    s.keep_window("reader", win, out)
    s.click_node("Proxy settings")
    dlg = s.find_window("^Edit Proxy Settings$")
    s.keep_window("proxy", dlg, out)
    s.focus(dlg)
    s.key("alt+c")


# --- start-up, offline copies, choosing the server, command line ----------
# These cases serve on free ports and name the server with --server, so they
# need no fixed port and can run beside the others.

def serve_free(s, root, log=None):
    """Serves `root` with the test server on a free loopback port; returns the port."""
    cmd = [sys.executable, os.path.join(s.args.source, "tests", "support", "test_server.py"), "--root", root]
    if log:
        cmd += ["--log", log]
    p = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    s.procs.append(p)
    line = p.stdout.readline().strip()
    if not line.isdigit():
        raise Failure(f"the test server did not start (it said {line!r})")
    return int(line)


def hung_server(s):
    """A server that takes connections and never answers; returns its port."""
    sock = socket.socket()
    sock.bind(("127.0.0.1", 0))
    sock.listen(16)
    s.hung = sock  # kept open for the whole case
    return sock.getsockname()[1]


def server_url(port, path="/"):
    return f"http://127.0.0.1:{port}{path}"


def dismiss_boxes_until_main(s, within, title="^Veldra - Error$"):
    """Closes error boxes as a person would (Return) until the main window shows.
    Each step (the first box, every next box, the main window) must come within
    `within` seconds of the key before it. Returns the number of boxes."""
    boxes = 0
    last = time.time()
    while True:
        if s.xdo("search", "--onlyvisible", "--name", "^Veldra v2\\.0", check=False):
            if time.time() - last > within:
                raise Failure(f"the main window came {time.time() - last:.1f} s after the last key")
            return boxes
        box = s.xdo("search", "--onlyvisible", "--name", title, check=False)
        if box:
            if time.time() - last > within:
                raise Failure(f"an error box came {time.time() - last:.1f} s after the last key")
            boxes += 1
            s.shot(f"error-box-{boxes}")
            s.focus(box.split()[-1])
            s.key("Return")
            last = time.time()
            continue
        if s.app.poll() is not None:
            raise Failure(f"veldra exited with {s.app.returncode}")
        if time.time() - last > within:
            raise Failure(f"nothing happened within {within} s of the last key")
        time.sleep(0.05)


def stop_veldra(s):
    s.app.terminate()
    s.app.wait(10)


def served_index(s):
    return s.read(s.served, "software", "corvane", "script.txt")


def case_cancel_hung(s):
    """A server that never answers: Cancel on the progress window (Alt+C; the
    in-process tests press Escape) ends the wait at once, without an error box
    (the news panel says it was cancelled), and the main window follows
    without a second wait for the news."""
    port = hung_server(s)
    s.start_veldra("--server", server_url(port), log=os.path.join(s.tmp, "veldra.log"))
    progress = s.find_window("^Please wait\\.\\.\\.$")
    time.sleep(1)  # the index request is under way
    s.shot("progress-with-cancel")
    s.focus(progress)
    s.key("alt+c")
    boxes = dismiss_boxes_until_main(s, within=2)
    s.expect(boxes == 0, f"Cancel, the user's own act, showed {boxes} error box(es)")
    s.shot("main-window-after-cancel")
    s.expect("cancelled" in s.text_of("Community news"), "the news panel does not say the download was cancelled")
    # The news was not tried again: the progress window is gone for good.
    time.sleep(1)
    s.expect(not s.xdo("search", "--onlyvisible", "--name", "^Please wait", check=False),
             "a progress window is still shown after Cancel")


def case_offline_copy(s):
    """A good start keeps the index and news in the cache; a start whose server
    fails puts them back, says so, and the search finds the old hits."""
    cache = os.path.join(s.tmp, "cache")
    s.env["XDG_CACHE_HOME"] = cache
    lib = os.path.join(s.served, "software", "corvane")
    good = serve_free(s, s.served)
    s.start_veldra("--server", server_url(good), log=os.path.join(s.tmp, "veldra-first.log"))
    s.main_window()
    kept = os.path.join(cache, "Veldra")
    s.expect(s.read(kept, "script.dat") == served_index(s) + b"\r\n", "the index was not kept in the cache")
    s.expect(s.read(kept, "news.rtf") == s.read(lib, "test.rtf"), "the news was not kept in the cache")
    stop_veldra(s)

    # The same folder on a server that answers every request with an error.
    for name in ("script.dat", "news.rtf"):
        os.remove(os.path.join(s.prog, name))
    log = os.path.join(s.tmp, "veldra.log")
    s.start_veldra("--server", server_url(good, "/_test/status/500/"), log=log)
    dismiss_boxes_until_main(s, within=30)
    win = s.main_window()
    s.shot("offline-news")
    s.expect(s.read(s.prog, "script.dat") == served_index(s) + b"\r\n", "the cached index was not put back")
    s.expect(s.read(s.prog, "news.rtf") == s.read(lib, "test.rtf"), "the cached news was not put back")
    # To the search panel and its box by keyboard: the tree has the focus.
    s.focus(win)
    s.key("Down")  # "Search Solution"
    s.key("shift+Tab", "shift+Tab", "shift+Tab")  # list, Search button, search box
    s.type("proxy")
    s.key("Return")
    time.sleep(1)
    s.shot("offline-search")
    text = open(log, errors="replace").read()
    found = [line for line in text.splitlines() if 'search for "proxy" found' in line]
    s.expect(found and not found[-1].endswith(" 0"), f"the search on the offline index found nothing: {found}")
    for note in ("Offline index of ", "Offline: news of "):
        s.expect(note in text, f"no sign of the note {note!r} in the program's diagnostics")


def case_server_choice(s):
    """The user's setting names one server, --server another: the option wins,
    and without it the setting does."""
    roots = {}
    for name in ("setting", "option"):
        root = os.path.join(s.tmp, f"served-{name}")
        shutil.copytree(s.served, root)
        with open(os.path.join(root, "software", "corvane", "script.txt"), "wb") as f:
            f.write(f"{name}.faq=Served for the {name}]\r\n".encode())
        roots[name] = root
    logs = {name: os.path.join(s.tmp, f"requests-{name}.log") for name in roots}
    ports = {name: serve_free(s, roots[name], logs[name]) for name in roots}
    conf_dir = os.path.join(s.env["XDG_CONFIG_HOME"], "Veldra")
    os.makedirs(conf_dir)
    with open(os.path.join(conf_dir, "Veldra.conf"), "w") as f:
        f.write(f"[Server]\nURL={server_url(ports['setting'])}\n")

    s.start_veldra(log=os.path.join(s.tmp, "veldra-setting.log"), own_server=False)
    s.main_window()
    s.expect(s.read(s.prog, "script.dat") == b"setting.faq=Served for the setting]\r\n\r\n",
             "without --server the index did not come from the server in the settings")
    stop_veldra(s)

    s.start_veldra("--server", server_url(ports["option"]), log=os.path.join(s.tmp, "veldra-option.log"))
    s.main_window()
    s.shot("started-with-server-option")
    s.expect(s.read(s.prog, "script.dat") == b"option.faq=Served for the option]\r\n\r\n",
             "--server did not win over the settings")
    setting_requests = open(logs["setting"]).read().splitlines()
    s.expect(len(setting_requests) == 2, f"the server in the settings was asked during the second run: "
                                         f"{setting_requests}")
    s.expect("GET /software/corvane/script.txt HTTP/1.1" in open(logs["option"]).read(),
             "the library folder was not /software/corvane/ on the --server server")


def run_veldra(s, *options, env=None):
    r = subprocess.run([os.path.join(s.prog, "veldra"), *options], env=env or s.env, capture_output=True,
                       text=True, timeout=30)
    return r.returncode, r.stdout, r.stderr


def case_command_line(s):
    """--version, --help, refusals and a missing display: one line, a status, no abort."""
    version = open(os.path.join(s.args.source, "CMakeLists.txt")).read()
    for option in ("--version", "-v"):
        code, out, err = run_veldra(s, option)
        s.expect(code == 0 and out.strip().startswith("Veldra ") and out.strip().split()[1] in version,
                 f"{option}: status {code}, output {out!r} {err!r}")
    code, out, _ = run_veldra(s, "--help")
    s.expect(code == 0 and "--server <URL>" in out and "--version" in out, f"--help: status {code}, {out!r}")

    def refused(what, code, err, needle):
        lines = err.strip().splitlines()
        s.expect(code == 1 and len(lines) == 1 and lines[0].startswith("veldra: ") and needle in lines[0],
                 f"{what}: status {code}, stderr {err!r}")

    def refused_with_box(*options):
        """A refused server address: the line on stderr and a box, which the user closes."""
        p = subprocess.Popen([os.path.join(s.prog, "veldra"), *options], env=s.env, stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE, text=True)
        try:
            end = time.time() + 20
            box = ""
            while not box and time.time() < end and p.poll() is None:
                box = s.xdo("search", "--onlyvisible", "--name", "^Veldra - Error$", check=False)
                time.sleep(0.2)
            s.expect(box, f"no message box for the refused address {options}")
            s.shot("refused-address")
            s.xdo("windowfocus", "--sync", box.split()[-1], check=False)
            s.key("Return")
            out, err = p.communicate(timeout=10)
        finally:
            if p.poll() is None:
                p.kill()
        return p.returncode, out, err

    refused("unknown option", *run_veldra(s, "--bogus")[::2], "bogus")
    refused("ftp server", *refused_with_box("--server", "ftp://faq.example.org/")[::2], "only http")
    refused("no host", *refused_with_box("--server", "http:///software/corvane/")[::2], "no host")
    conf_dir = os.path.join(s.env["XDG_CONFIG_HOME"], "Veldra")
    os.makedirs(conf_dir, exist_ok=True)
    with open(os.path.join(conf_dir, "Veldra.conf"), "w") as f:
        f.write("[Server]\nURL=faq.example.org\n")
    refused("server in the settings", *refused_with_box()[::2], "Veldra.conf")
    os.remove(os.path.join(conf_dir, "Veldra.conf"))

    bare = {k: v for k, v in s.env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    refused("no display", *run_veldra(s, env=bare)[::2], "DISPLAY")
    code, out, _ = run_veldra(s, "--version", env=bare)
    s.expect(code == 0 and out.startswith("Veldra "), f"--version without a display: status {code}")
    # A display that is named but not there.
    lost = dict(bare, DISPLAY=":4711", QT_QPA_PLATFORM="xcb")
    code, _, err = run_veldra(s, env=lost)
    s.expect(code == 1 and "veldra: cannot start without a display" in err,
             f"an unreachable display: status {code}, stderr {err!r}")


def peak_memory_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    raise Failure("no VmHWM in /proc")


def case_endless_body(s):
    """A server whose index and news never end: each download stops at its size
    limit with a message naming it, and the program's peak memory stays under
    100 MiB the whole time (the bodies go to disk, not into memory)."""
    port = serve_free(s, s.served)
    log = os.path.join(s.tmp, "veldra.log")
    s.start_veldra("--server", server_url(port, "/_test/endless/"), log=log)
    dismiss_boxes_until_main(s, within=120)
    s.main_window()
    peak = peak_memory_kib(s.app.pid)
    print(f"peak resident memory of veldra: {peak} KiB")
    s.expect(peak < 100 * 1024, f"the program's peak memory was {peak} KiB")
    text = open(log, errors="replace").read()
    for limit in ("256 MiB", "64 MiB"):
        s.expect(f"The document exceeds the size limit of {limit}" in text,
                 f"no download ended at its limit of {limit}")
    index = os.path.join(s.prog, "script.dat")
    s.expect(not os.path.exists(index) or os.path.getsize(index) == 0, "the cut index was kept")
    s.expect(not os.path.exists(os.path.join(s.prog, "news.rtf")), "the cut news was kept")
    leftovers = [n for n in os.listdir(s.prog) if n.endswith(".tmp")]
    s.expect(not leftovers, f"work files were left behind: {leftovers}")


CASES = {
    "tour": case_tour,
    "start": case_start,
    "server_down": case_server_down,
    "proxy": case_proxy,
    "search_read": case_search_read,
    "proxy_dialog": case_proxy_dialog,
    "cancel_hung": case_cancel_hung,
    "offline_copy": case_offline_copy,
    "server_choice": case_server_choice,
    "command_line": case_command_line,
    "endless_body": case_endless_body,
    "keyboard": case_keyboard,
    "tree_keys": case_tree_keys,
    "accessibility": case_accessibility,
    "scale_1_5": case_scale_1_5,
    "scale_2": case_scale_2,
    "placement": cases_window.case_placement,
    "font_dpi": cases_window.case_font_dpi,
    "link_keys": cases_window.case_link_keys,
    "dark_theme": case_dark_theme,
    "news_link": case_news_link,
    "https_library": cases_https.case_https_library,
    "https_untrusted": cases_https.case_https_untrusted,
    "reader_tools": cases_reader_tools.case_reader_tools,
    "offline_library": cases_offline.case_offline_library,
    "language_de": cases_language.case_language_de,
    "language_fr": cases_language.case_language_fr,
}


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--case", required=True, choices=sorted(CASES))
    ap.add_argument("--build", required=True)
    ap.add_argument("--source", required=True)
    ap.add_argument("--port", type=int, default=0, help="the port to serve the library on (default: a free one)")
    ap.add_argument("--shots", help="with tour, scale_2 or dark_theme: where the README's screenshots go")
    args = ap.parse_args()
    s = Session(args)
    try:
        CASES[args.case](s)
    except Failure as e:
        try:
            s.shot("failure")
        except Exception:
            pass
        print(f"FAIL {args.case}: {e}")
        log = getattr(s, "veldra_log", None)
        if log and os.path.exists(log):
            print("last lines of the program's diagnostics:\n" + "".join(open(log, errors="replace").readlines()[-20:]))
        return 1
    finally:
        s.stop_all()
        shutil.rmtree(s.tmp, ignore_errors=True)
    print(f"PASS {args.case}: screenshots in {s.shots}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
