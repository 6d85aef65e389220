#!/usr/bin/env python3
"""End-to-end cases of the real Veldra binary, driven as a person would.

Runs inside an X server (xvfb-run). Starts real servers on loopback, starts a copy
of build/bin/veldra in a scratch program folder, drives it with xdotool and checks
what a person and the disk see. Screenshots of each step go to <build>/e2e/<case>/.
"""
import argparse
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

# Geometry of the main window in pixels. Without a window manager it sits exactly
# where it places itself, so the controls are at fixed screen positions.
WIN_X, WIN_Y = 49, 38
PANEL_X, PANEL_Y = WIN_X + 184, WIN_Y + 8
NODE_X = WIN_X + 8 + 8 + 60  # over the texts of the tree's child nodes


def node_y(position):
    """Screen y of the tree's node at a position (1-based, all nodes expanded)."""
    return WIN_Y + 8 + 24 + 9 + (position - 1) * 17


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
        self.env.pop("http_proxy", None)
        self.env.pop("HTTP_PROXY", None)
        # The desktop's opener is a stand-in that notes what it was asked to open.
        self.opened = os.path.join(self.tmp, "opened.txt")
        bindir = os.path.join(self.tmp, "bin")
        os.makedirs(bindir)
        opener = os.path.join(bindir, "xdg-open")
        with open(opener, "w") as f:
            f.write(f'#!/bin/sh\nprintf "%s\\n" "$*" >> "{self.opened}"\n')
        os.chmod(opener, 0o755)
        self.env["PATH"] = bindir + os.pathsep + self.env.get("PATH", "")

    # --- processes -------------------------------------------------------
    def spawn(self, cmd, **kw):
        p = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kw)
        self.procs.append(p)
        return p

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
        port = self.args.port
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

    def start_veldra(self):
        self.app = self.spawn([os.path.join(self.prog, "veldra")], env=self.env, cwd=self.tmp)

    def stop_all(self):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.send_signal(signal.SIGTERM)
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()

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

    def window_gone(self, name_regex, timeout=10):
        end = time.time() + timeout
        while time.time() < end:
            if not self.xdo("search", "--onlyvisible", "--name", name_regex, check=False):
                return
            time.sleep(0.2)
        raise Failure(f"window '{name_regex}' still shown after {timeout} s")

    def shot(self, what):
        self.step += 1
        time.sleep(0.4)  # let the last repaint reach the screen
        path = os.path.join(self.shots, f"{self.step:02d}-{what}.png")
        subprocess.run(["import", "-window", "root", path], check=True)
        return path

    def click(self, x, y):
        self.xdo("mousemove", "--sync", x, y)
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

    def search(self, text):
        """Opens the search panel, types the text and presses Enter."""
        self.click(NODE_X, node_y(3))  # "Search Solution"
        self.click(PANEL_X + 8 + 100, PANEL_Y + 40 + 9)
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
        self.click(PANEL_X + 8 + 80, PANEL_Y + 64 + 30)
        self.click(PANEL_X + 16 + 60, PANEL_Y + 408 + 12)  # Read
        time.sleep(2)

    def main_window(self):
        return self.find_window("^Veldra v2\\.0")

    def check_start_downloads(self):
        lib = os.path.join(self.served, "software", "corvane")
        self.expect(self.read(self.prog, "script.dat") == self.read(lib, "script.txt") + b"\r\n",
                    "script.dat is not the served index followed by CR LF")
        self.expect(self.read(self.prog, "news.rtf") == self.read(lib, "test.rtf"),
                    "news.rtf differs from the served news")


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
    base = f"http://127.0.0.1:{s.args.port}/software/corvane/"
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
    downloaded = [n for n in os.listdir(s.prog) if n not in ("veldra", "hand.cur", "script.dat", "news.rtf")]
    s.expect(downloaded, f"Read downloaded nothing into the program folder: {os.listdir(s.prog)}")
    s.shot("reader")
    s.expect(not s.opened_targets(1, timeout=0), "something was opened before any link was clicked")

    # A document whose body starts with a link, and whose website field holds
    # one: the word under the pointer is found as it moves, and a click hands
    # it to the desktop.
    s.search("links for the pointer")
    s.read_first_result()
    s.shot("reader-links")
    s.xdo("mousemove", "--sync", PANEL_X + 16 + 30, PANEL_Y + 128 + 10)
    time.sleep(0.5)
    s.xdo("mousemove", "--sync", PANEL_X + 16 + 34, PANEL_Y + 128 + 11)
    time.sleep(0.5)
    s.shot("reader-hover")
    s.xdo("click", 1)
    opened = s.opened_targets(1)
    s.expect(opened == ["http://www.example.org/first"], f"a click on the body's link opened {opened}")
    s.click(PANEL_X + 64 + 60, PANEL_Y + 72 + 9)  # the website field
    opened = s.opened_targets(2)
    s.expect(opened[1:] == ["http://www.example.org/author"], f"a click on the website field opened {opened[1:]}")


def case_proxy_dialog(s):
    s.serve_library()
    s.start_veldra()
    win = s.main_window()
    s.focus(win)
    s.click(NODE_X, node_y(6))  # "Proxy settings"
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


def case_tour(s):
    """Screenshots of each panel for the README, cropped to the main window."""
    s.serve_library()
    s.start_veldra()
    win = s.main_window()
    s.focus(win)
    out = s.args.shots
    os.makedirs(out, exist_ok=True)

    def keep(name, box="703x462+45+34"):
        subprocess.run(["convert", s.shot(name), "-crop", box, "+repage", os.path.join(out, name + ".png")],
                       check=True)

    keep("news")
    s.search("proxy")
    s.click(PANEL_X + 8 + 80, PANEL_Y + 64 + 30)
    keep("search")
    s.read_first_result()
    keep("reader")
    s.click(NODE_X, node_y(6))
    dlg = s.find_window("^Edit Proxy Settings$")
    geo = dict(line.split("=") for line in s.xdo("getwindowgeometry", "--shell", dlg).splitlines())
    keep("proxy", f"{int(geo['WIDTH']) + 8}x{int(geo['HEIGHT']) + 8}+{int(geo['X']) - 4}+{int(geo['Y']) - 4}")
    s.focus(dlg)
    s.key("alt+c")


CASES = {
    "tour": case_tour,
    "start": case_start,
    "server_down": case_server_down,
    "proxy": case_proxy,
    "search_read": case_search_read,
    "proxy_dialog": case_proxy_dialog,
}


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--case", required=True, choices=sorted(CASES))
    ap.add_argument("--build", required=True)
    ap.add_argument("--source", required=True)
    ap.add_argument("--port", type=int, required=True)
    ap.add_argument("--shots", help="with --case tour: where the cropped screenshots go")
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
        return 1
    finally:
        s.stop_all()
        shutil.rmtree(s.tmp, ignore_errors=True)
    print(f"PASS {args.case}: screenshots in {s.shots}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
