"""End-to-end case of the library kept offline: the whole library fetched,
the server gone, a word that stands only in a document's body found by the
search in document text, and Read showing that document's stored copy. Each
function takes the Session of e2e.py."""
import os
import signal
import subprocess
import sys
import time

# "toner" stands in the body of printing.faq only, in no subject of the index.
BODY_WORD = "toner"


def serve(s, root):
    cmd = [sys.executable, os.path.join(s.args.source, "tests", "support", "test_server.py"), "--root", root]
    p = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    s.procs.append(p)
    line = p.stdout.readline().strip()
    s.expect(line.isdigit(), f"the test server did not start (it said {line!r})")
    return p, int(line)


def index_names(s):
    index = s.read(s.served, "software", "corvane", "script.txt").decode("cp1252")
    names = set()
    for line in index.splitlines():
        line = line.strip().strip('"')
        if "=" in line and "]" in line:
            names.add(line.split("=", 1)[0])
    return names


def dismiss(s, title, timeout=60, then=2):
    """Waits for a box with this title and closes it, and every such box that
    follows within `then` seconds; gives how many there were."""
    boxes = 0
    end = time.time() + timeout
    while time.time() < end:
        box = s.xdo("search", "--onlyvisible", "--name", title, check=False)
        if box:
            boxes += 1
            s.shot(f"box-{boxes}")
            s.focus(box.split()[-1])
            s.key("Return")
            end = time.time() + then
            time.sleep(0.3)
            continue
        time.sleep(0.2)
    s.expect(boxes, f"no box titled {title} came")
    return boxes


def case_offline_library(s):
    server, port = serve(s, s.served)
    s.start_veldra("--server", f"http://127.0.0.1:{port}/software/corvane/",
                   log=os.path.join(s.tmp, "veldra.log"))
    win = s.main_window()
    s.focus(win)
    s.click_node("Search Solution")
    s.control("Make the library available offline", "push button")
    s.key("ctrl+shift+o")  # the button's shortcut
    dismiss(s, "^Veldra$")
    missing = sorted(n for n in index_names(s) if not os.path.isfile(os.path.join(s.prog, n)))
    s.expect(not missing, f"not stored after making the library available offline: {missing}")
    lib = os.path.join(s.served, "software", "corvane")
    s.expect(s.read(s.prog, "printing.faq") == s.read(lib, "printing.faq") + b"\r\n",
             "the stored copy is not the served document followed by CR LF")

    # The server goes away.
    server.send_signal(signal.SIGTERM)
    server.wait(10)

    s.click_on("Search in document text", "check box")
    s.search(BODY_WORD)
    s.shot("full-text-results")
    rows = s.result_rows()
    s.expect(rows and "Printing" in rows[0].name, f"the search in document text found {[r.name for r in rows]}")
    s.read_first_result()
    dismiss(s, "^Veldra - Error$")
    time.sleep(1)
    s.shot("offline-copy")
    s.expect("toner" in s.text_of("Document"), "the reader does not show the stored copy")
    import pyatspi
    found = pyatspi.findDescendant(s.a11y_app(), lambda a: (a.name or "").startswith("Offline copy of ")
                                   and a.getState().contains(pyatspi.STATE_SHOWING))
    s.expect(found is not None, "no visible line says the reader shows an offline copy")
