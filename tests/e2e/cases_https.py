"""End-to-end cases of a library served over HTTPS, with certificates made
for the run by tests/support/test_certs.py. Each function takes the Session of
e2e.py."""
import os
import subprocess
import sys
import tempfile
import time


def make_certs(s):
    folder = tempfile.mkdtemp(prefix="certs-", dir=s.tmp)
    subprocess.run([sys.executable, os.path.join(s.args.source, "tests", "support", "test_certs.py"), folder],
                   check=True, stdout=subprocess.DEVNULL)
    return folder


def serve_https(s, certs, name="valid"):
    """Serves the session's copy of the library over HTTPS on a free port; returns the port."""
    cmd = [sys.executable, os.path.join(s.args.source, "tests", "support", "test_server.py"), "--root", s.served,
           "--tls", name, "--certs", certs]
    p = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    s.procs.append(p)
    line = p.stdout.readline().strip()
    s.expect(line.isdigit(), f"the HTTPS test server did not start (it said {line!r})")
    return int(line)


def without_proxies(s):
    for var in ("https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY", "no_proxy", "NO_PROXY", "SSL_CERT_DIR"):
        s.env.pop(var, None)


def case_https_library(s):
    """The library on an https server whose authority SSL_CERT_FILE names:
    the news shows, a search lists hits and Read shows the document."""
    without_proxies(s)
    certs = make_certs(s)
    port = serve_https(s, certs)
    s.start_veldra("--server", f"https://127.0.0.1:{port}/", log=os.path.join(s.tmp, "veldra.log"),
                   SSL_CERT_FILE=os.path.join(certs, "ca.pem"))
    win = s.main_window()
    s.shot("news-over-https")
    s.check_start_downloads()
    s.expect("Veldra community news" in s.text_of("Community news"), "the news panel shows no news")
    s.focus(win)
    s.search("proxy")
    rows = s.result_rows()
    s.expect(rows, "the search over the index from the https server listed nothing")
    s.shot("search-over-https")
    s.read_first_result()
    s.expect(s.downloaded(), "Read downloaded nothing over https")
    s.wait_for(lambda: s.text_of("Subject").strip(), "the reader shows no document", timeout=20)
    s.shot("reader-over-https")


def case_https_untrusted(s):
    """Without SSL_CERT_FILE the test authority is not trusted: the start
    fails with a box that names the certificate's problem, and no index is
    written."""
    without_proxies(s)
    s.env.pop("SSL_CERT_FILE", None)
    certs = make_certs(s)
    port = serve_https(s, certs)
    log = os.path.join(s.tmp, "veldra.log")
    s.start_veldra("--server", f"https://127.0.0.1:{port}/", log=log)
    boxes = dismiss_boxes(s, within=30)
    s.expect(boxes >= 1, "no error box for a certificate that cannot be verified")
    s.main_window()
    shown = [line for line in open(log, errors="replace") if "message box:" in line]
    problem = f"The server 127.0.0.1:{port} could not be verified: its certificate was issued by an authority"
    s.expect(any(problem in line for line in shown), f"no box named the certificate's problem: {shown}")
    index = os.path.join(s.prog, "script.dat")
    s.expect(not os.path.exists(index) or os.path.getsize(index) == 0, "an index was written from an unverified server")
    s.expect(not os.path.exists(os.path.join(s.prog, "news.rtf")), "news was written from an unverified server")


def dismiss_boxes(s, within):
    """Closes error boxes (Return) until the main window shows; returns how many."""
    boxes = 0
    end = time.time() + within
    while time.time() < end:
        if s.xdo("search", "--onlyvisible", "--name", "^Veldra v2\\.0", check=False):
            return boxes
        box = s.xdo("search", "--onlyvisible", "--name", "^Veldra - Error$", check=False)
        if box:
            boxes += 1
            s.shot(f"error-box-{boxes}")
            s.focus(box.split()[-1])
            s.key("Return")
        time.sleep(0.2)
    s.expect(False, f"the main window did not come within {within} s")
