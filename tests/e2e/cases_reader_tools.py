"""End-to-end case of the reader's tools: back and forward through what was
read, a bookmark in the window of bookmarks and history, and the document
saved as PDF through the desktop's file dialog, and the print dialog. Takes the Session of e2e.py."""
import os
import shutil
import subprocess
import time


def read_found(s, words):
    """Searches, reads the first result and gives the subject the reader shows."""
    s.search(words)
    before = s.text_of("Subject")
    s.read_first_result()
    s.wait_for(lambda: s.text_of("Subject") not in ("", before), f"reading '{words}' showed nothing new", timeout=20)
    return s.text_of("Subject")


def shown(s, name):
    try:
        s.control(name, timeout=0.5)
        return True
    except Exception:
        return False


def list_rows(s, name):
    table = s.control(name).queryTable()
    return [table.getAccessibleAt(row, 0).name for row in range(table.nRows)]


def case_reader_tools(s):
    s.serve_library()
    s.start_veldra()
    win = s.main_window()
    s.focus(win)
    first = read_found(s, "proxy")
    second = read_found(s, "printing")
    s.expect(first != second, f"both searches read '{first}'")
    served = len(s.downloaded())

    # Back and forward show the stored copies; nothing is downloaded again.
    s.focus(win)
    s.key("alt+Left")
    s.wait_for(lambda: s.text_of("Subject") == first, f"Alt+Left shows '{s.text_of('Subject')}', not '{first}'")
    s.shot("back")
    s.key("alt+Right")
    s.wait_for(lambda: s.text_of("Subject") == second, f"Alt+Right shows '{s.text_of('Subject')}', not '{second}'")
    x, y = s.centre(s.control("Document", "text"))
    s.xdo("mousemove", "--sync", x, y)
    s.xdo("click", 8)  # the mouse's back button
    s.wait_for(lambda: s.text_of("Subject") == first, "the mouse's back button did not go back")
    s.xdo("click", 9)
    s.wait_for(lambda: s.text_of("Subject") == second, "the mouse's forward button did not go forward")
    s.expect(len(s.downloaded()) == served, "going back and forward downloaded something")

    # Ctrl+D bookmarks the document; Ctrl+B lists it, and the history both.
    s.key("ctrl+d")
    s.wait_for(lambda: shown(s, f"Bookmarked: {second}"), "Ctrl+D confirmed nothing")
    s.key("ctrl+b")
    books = s.find_window("^Bookmarks and history$")
    s.focus(books)
    s.wait_for(lambda: list_rows(s, "Bookmarks") == [second], f"the bookmarks list {list_rows(s, 'Bookmarks')}")
    s.wait_for(lambda: list_rows(s, "Recently read")[:2] == [second, first],
               f"the history lists {list_rows(s, 'Recently read')}")
    s.shot("bookmarks-and-history")
    s.key("Escape")
    s.window_gone("^Bookmarks and history$")

    # Ctrl+S through the real file dialog, a path typed into it.
    s.focus(win)
    target = os.path.join(s.tmp, "saved", "document.pdf")
    os.makedirs(os.path.dirname(target))
    s.key("ctrl+s")
    dialog = s.find_window("^Save Document As$")
    s.focus(dialog)
    s.shot("save-dialog")
    s.key("ctrl+a")
    s.type(target)
    s.key("Return")
    s.wait_file(target)
    time.sleep(0.5)
    shutil.copy(target, os.path.join(s.shots, "saved.pdf"))  # kept beside the screenshots
    text = subprocess.run(["pdftotext", "-layout", target, "-"], capture_output=True, text=True, check=True).stdout
    flat = " ".join(text.split())
    s.expect(" ".join(second.split()) in flat, f"the PDF lacks the subject '{second}':\n{text[:500]}")
    body = " ".join(s.text_of("Document").split()[:6])
    s.expect(body in flat, f"the PDF lacks the body's start '{body}':\n{text[:800]}")

    # Ctrl+P opens the print dialog over the main window; Escape leaves it.
    s.focus(win)
    s.key("ctrl+p")
    printing = s.find_window("^Print Document$")
    s.shot("print-dialog")
    s.focus(printing)
    s.key("Escape")
    s.window_gone("^Print Document$")
