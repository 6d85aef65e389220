"""End-to-end cases of the main window's place and size under a window manager
(openbox), its layout with a large font, and its keys and links. Each function
takes the Session of e2e.py."""
import os
import time


def settled_frame(s, win, timeout=8):
    """The window's frame once it has stood still for a second: the window is
    placed again when the window manager has framed it, which takes a moment
    on a busy machine."""
    last, since = s.frame(win), time.time()
    end = time.time() + timeout
    while time.time() < end:
        time.sleep(0.2)
        now = s.frame(win)
        if s.framed and not s.frame_extents(win):
            since = time.time()  # not framed yet: the window is still to be placed again
        elif now != last:
            last, since = now, time.time()
        elif time.time() - since >= 1:
            return now
    s.expect(False, f"the window did not stand still within {timeout} s")


def check_inside_screen(s, what):
    win = s.main_window()
    x, y, w, h = settled_frame(s, win)
    sw, sh = s.screen_size()
    s.shot(what)
    s.expect(x >= 0 and y >= 0 and x + w <= sw and y + h <= sh,
             f"the framed window {w}x{h}+{x}+{y} does not lie inside the {sw}x{sh} screen")
    s.expect(w >= sw // 2 and h >= sh // 2, f"the window {w}x{h} is small for the {sw}x{sh} screen")
    return win


def case_placement(s):
    """Under a window manager that frames the window, four starts in a row open
    it where the last one left it, frame and all."""
    s.serve_library()
    s.start_window_manager()
    corners = []
    for run in range(5):
        s.start_veldra()
        win = s.main_window()
        corners.append(settled_frame(s, win)[:2])
        if run == 0:
            s.xdo("windowmove", win, 60, 80)
            corners[0] = settled_frame(s, win)[:2]
        s.shot(f"start-{run + 1}")
        s.focus(win)
        s.key("ctrl+q")  # ends the program as closing the window does
        s.app.wait(10)
    print(f"frame corners over the starts: {corners}")
    first = corners[0]
    drift = max(max(abs(x - first[0]), abs(y - first[1])) for x, y in corners)
    s.expect(drift <= 2, f"the frame moved by {drift} px over the starts: {corners}")


def case_font_dpi(s):
    """A large font (150 dots per inch) on a small screen: the window fits, and
    the Read button and the document lie inside it."""
    s.serve_library()
    s.start_window_manager()
    s.start_veldra(QT_FONT_DPI="150")
    win = check_inside_screen(s, "font-150dpi")
    wx, wy, ww, wh = s.geometry(win)

    def inside(name, role):
        x, y, w, h = s.extents(s.control(name, role))
        s.expect(x >= wx and y >= wy and x + w <= wx + ww and y + h <= wy + wh,
                 f"'{name}' at {w}x{h}+{x}+{y} is not inside the window {ww}x{wh}+{wx}+{wy}")

    s.focus(win)
    s.click_node("Search Solution")
    s.shot("search-panel")
    inside("Read", "push button")
    s.click_node("FAQ-Reader")
    s.shot("reader-panel")
    inside("Document", "text")


def case_link_keys(s):
    """After Read the keyboard is in the document; a link that ends a sentence
    opens without its full stop; Ctrl+L goes to the search box."""
    s.serve_library()
    lib = os.path.join(s.served, "software", "corvane")
    with open(os.path.join(lib, "e2e-help.faq"), "wb") as f:
        f.write(b"Subject=Where to get help\r\n[Body]\r\nHelp is at www.example.org/help/. Ask there.\r\n"
                + b"".join(b"line %d\r\n" % i for i in range(200)) + b"[/body]\r\n")
    index = os.path.join(lib, "script.txt")
    rest = open(index, "rb").read()
    with open(index, "wb") as f:
        f.write(b"e2e-help.faq=Where to get help]\r\n" + rest)
    s.start_veldra()
    s.focus(s.main_window())
    s.search("where to get help")
    s.read_first_result()
    s.wait_for(lambda: "Document" in s.focused(), f"after Read the focus is in {s.focused()}, not the document")
    top = s.text_range("Document", "line 5")[1]
    s.key("Next")
    s.wait_for(lambda: s.text_range("Document", "line 5")[1] < top, "Page Down did not scroll the document")
    s.key("ctrl+Home")
    x, y = s.text_point("Document", "www.example.org/help/.", 5)
    s.xdo("mousemove", "--sync", x - 4, y + 1)
    time.sleep(0.3)
    s.xdo("mousemove", "--sync", x, y)
    time.sleep(0.5)
    s.shot("hover-on-link")
    s.xdo("click", 1)
    opened = s.opened_targets(1)
    s.expect(opened == ["http://www.example.org/help/"], f"a click on the link opened {opened}")
    s.key("ctrl+l")
    s.wait_for(lambda: "Search on server for" in s.focused(), f"Ctrl+L went to {s.focused()}, not the search box")
    s.shot("ctrl-l")
