#!/usr/bin/env python3
"""A small HTTP server for tests, with failure injection.

Serves the files of --root and these special paths:
  /_test/slow/<seconds>[/<path>]     answer after a delay (a file, or a short text)
  /_test/status/<code>               that status with a small HTML error page
                                     (no body for 1xx, 204 and 304, as HTTP wants)
  /_test/truncated                   Content-Length larger than the body, then close
  /_test/empty                       200 with an empty body
  /_test/redirect/<n>/<path>         n redirects in a row, then /<path>
  /_test/location?to=<url>           one redirect to any URL
  /_test/close                       close the connection without an answer
  /_test/trickle/<count>/<seconds>   <count> bytes "x", one every <seconds>
  /_test/bytes                       the 256 byte values 0..255 in order
  /_test/chunked[/<path>]            a file (or a short text) in chunks of 7 bytes
  /_test/badchunk[/<path>]           a chunk, then the invalid chunk size "zz", more
                                     text and a closed connection
  /_test/chunkcut[/<path>]           a chunk announced as 256 bytes, cut after 10
  /_test/chunknoend[/<path>]         whole chunks, closed before the final empty one
  /_test/unframed[/<path>]           neither length nor chunks: the closed
                                     connection ends the body
  /_test/endless[/<path>]            text without end, as fast as it can be sent
  /_test/endlesschunked[/<path>]     the same in chunks
  /_test/reset[/<path>]              neither length nor chunks: the first half,
                                     then the connection is reset
  /_test/halves[/<path>]             with its length: one half, a pause, the other
  /_test/gzip[/<path>]               gzip-encoded, whatever the client asked for
  /_test/gzipbomb/<MiB>              that many MiB of zeros, gzip-encoded
  /_test/encoding/<name>[/<path>]    the plain file, said to be in encoding <name>
Files come with an ETag and a Last-Modified date and answer If-None-Match and
If-Modified-Since with 304.
Binds 127.0.0.1 on a free port (or --port), prints the port on stdout when ready
and, with --port-file, also writes it there. With --log, each request line is
appended to that file as it arrives. With --delay, every answer waits that many
seconds first. A request for an absolute URL (as a client sends it to a proxy)
is answered from the URL's path, so the server also stands in for a proxy.
With --tls NAME it speaks HTTPS with the certificate NAME of --certs (see
test_certs.py); with --alpn-probe as well, it only notes which protocol the
client's ALPN chose ("ALPN h2") and hangs up. With --socks5 it is a SOCKS5 proxy
instead (socks5.py) that notes each "SOCKS5 CONNECT host:port".
"""
import argparse
import email.utils
import gzip
import http.server
import os
import socketserver
import socket
import ssl
import struct
import sys
import threading
import time
import urllib.parse
import zlib

from socks5 import Socks5


class Handler(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    # Headers and body go out in separate writes; with Nagle's algorithm the
    # body of a second answer on a kept-alive connection waits for the
    # client's delayed acknowledgement of the headers (40 ms), which real
    # servers do not make their clients wait.
    disable_nagle_algorithm = True
    log_path = None
    delay = 0.0
    alpn_probe = False
    log_lock = threading.Lock()
    etag = None

    def log_message(self, fmt, *args):
        pass

    def record(self, line=None):
        if self.log_path:
            with self.log_lock, open(self.log_path, "a", encoding="utf-8") as f:
                f.write((line or self.requestline) + "\n")

    def setup(self):
        if isinstance(self.request, ssl.SSLSocket):
            self.request.settimeout(30)
            self.request.do_handshake()
            if self.alpn_probe:
                self.record("ALPN %s" % self.request.selected_alpn_protocol())
                raise ConnectionAbortedError("ALPN noted")
        super().setup()

    def end_headers(self):
        if self.etag:
            self.send_header("ETag", self.etag)
        super().end_headers()

    def send_file(self):
        """A file of the folder with its ETag; If-None-Match is answered here,
        If-Modified-Since by the stock handler."""
        path = self.translate_path(self.path)
        if os.path.isfile(path):
            st = os.stat(path)
            self.etag = '"%x-%x"' % (st.st_mtime_ns, st.st_size)
            if self.etag in [t.strip() for t in self.headers.get("If-None-Match", "").split(",")]:
                self.send_response(304)
                self.send_header("Last-Modified", email.utils.formatdate(st.st_mtime, usegmt=True))
                return self.end_headers()
        return super().do_GET()

    def reset(self):
        """Ends the connection with a reset instead of an orderly close."""
        self.wfile.flush()
        self.close_connection = True
        self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        self.connection.close()

    def send_encoded(self, body, encoding):
        self.send_response(200)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Encoding", encoding)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def send_body(self, code, body, ctype="text/plain", extra=None):
        self.send_response(code)
        self.send_header("Content-Type", ctype)
        self.send_header("Content-Length", str(len(body)))
        for k, v in (extra or {}).items():
            self.send_header(k, v)
        self.end_headers()
        if self.command != "HEAD":
            self.wfile.write(body)

    def send_head_only(self, code):
        # "No Content" and "Not Modified" answers never carry a body; an interim
        # answer is left without the final one.
        self.send_response(code)
        self.end_headers()
        if code < 200:
            self.hang_up()

    def file_or_text(self, args, text):
        if args:
            path = os.path.join(self.directory, *args)
            if os.path.isfile(path):
                with open(path, "rb") as f:
                    return f.read()
        return text

    def start_chunked(self):
        self.send_response(200)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Transfer-Encoding", "chunked")
        self.end_headers()

    def write_chunk(self, data):
        self.wfile.write(b"%x\r\n%s\r\n" % (len(data), data))

    def hang_up(self):
        self.wfile.flush()
        self.close_connection = True
        self.connection.shutdown(socket.SHUT_RDWR)

    def do_HEAD(self):
        self.do_GET()

    def do_GET(self):
        self.record()
        if self.delay:
            time.sleep(self.delay)
        url = urllib.parse.urlsplit(self.path)
        if url.scheme:
            # Asked as a proxy: the path names the file.
            self.path = urllib.parse.urlunsplit(("", "", url.path, url.query, ""))
        parts = [p for p in url.path.split("/") if p]
        if len(parts) < 2 or parts[0] != "_test":
            return self.send_file()
        mode, args = parts[1], parts[2:]
        try:
            if mode == "slow":
                time.sleep(float(args[0]))
                if len(args) > 1:
                    self.path = "/" + "/".join(args[1:])
                    return super().do_GET()
                return self.send_body(200, b"slow answer\r\n")
            if mode == "status":
                code = int(args[0])
                if code < 200 or code in (204, 304):
                    return self.send_head_only(code)
                page = ("<html><body><h1>Error %d</h1></body></html>\r\n" % code).encode()
                return self.send_body(code, page, "text/html")
            if mode == "truncated":
                self.send_response(200)
                self.send_header("Content-Type", "text/plain")
                self.send_header("Content-Length", "1000")
                self.send_header("Connection", "close")
                self.end_headers()
                self.wfile.write(b"only the first part\r\n")
                self.wfile.flush()
                self.close_connection = True
                self.connection.shutdown(socket.SHUT_RDWR)
                return
            if mode == "empty":
                return self.send_body(200, b"")
            if mode == "redirect":
                n = int(args[0])
                rest = "/".join(args[1:])
                target = "/_test/redirect/%d/%s" % (n - 1, rest) if n > 1 else "/" + rest
                return self.send_body(302, b"", extra={"Location": target})
            if mode == "location":
                to = urllib.parse.parse_qs(url.query).get("to", ["/"])[0]
                return self.send_body(302, b"", extra={"Location": to})
            if mode == "close":
                self.close_connection = True
                self.connection.shutdown(socket.SHUT_RDWR)
                return
            if mode == "trickle":
                count, pause = int(args[0]), float(args[1])
                self.send_response(200)
                self.send_header("Content-Type", "text/plain")
                self.send_header("Content-Length", str(count))
                self.end_headers()
                for _ in range(count):
                    time.sleep(pause)
                    self.wfile.write(b"x")
                    self.wfile.flush()
                return
            if mode == "bytes":
                return self.send_body(200, bytes(range(256)), "application/octet-stream")
            if mode == "chunked":
                body = self.file_or_text(args, b"a whole document in chunks\r\n")
                self.start_chunked()
                for i in range(0, len(body), 7):
                    self.write_chunk(body[i:i + 7])
                self.wfile.write(b"0\r\n\r\n")
                return
            if mode == "badchunk":
                body = self.file_or_text(args, b"the first half\r\n")
                self.start_chunked()
                self.write_chunk(body)
                self.wfile.write(b"zz\r\nthe second half\r\n0\r\n\r\n")
                return self.hang_up()
            if mode == "chunkcut":
                self.start_chunked()
                self.wfile.write(b"100\r\n" + self.file_or_text(args, b"0123456789")[:10])
                return self.hang_up()
            if mode == "chunknoend":
                self.start_chunked()
                self.write_chunk(self.file_or_text(args, b"no final chunk\r\n"))
                return self.hang_up()
            if mode == "unframed":
                self.send_response(200)
                self.send_header("Content-Type", "text/plain")
                self.send_header("Connection", "close")
                self.end_headers()
                self.wfile.write(self.file_or_text(args, b"ended by the closed connection\r\n"))
                return self.hang_up()
            if mode == "reset":
                body = self.file_or_text(args, b"the first half, then a reset" * 64)
                self.send_response(200)
                self.send_header("Content-Type", "text/plain")
                self.send_header("Connection", "close")
                self.end_headers()
                self.wfile.write(body[:len(body) // 2])
                self.wfile.flush()
                time.sleep(0.3)
                return self.reset()
            if mode == "halves":
                body = self.file_or_text(args, b"one half and the other\r\n")
                self.send_response(200)
                self.send_header("Content-Type", "text/plain")
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body[:len(body) // 2])
                self.wfile.flush()
                time.sleep(0.5)
                self.wfile.write(body[len(body) // 2:])
                return
            if mode == "gzip":
                return self.send_encoded(gzip.compress(self.file_or_text(args, b"a gzip-encoded text\r\n")), "gzip")
            if mode == "gzipbomb":
                packer = zlib.compressobj(9, zlib.DEFLATED, 31)
                zeros = bytes(1024 * 1024)
                body = b"".join(packer.compress(zeros) for _ in range(int(args[0]))) + packer.flush()
                return self.send_encoded(body, "gzip")
            if mode == "encoding":
                return self.send_encoded(self.file_or_text(args[1:], b"not encoded at all\r\n"), args[0])
            if mode in ("endless", "endlesschunked"):
                block = b"endless text, line after line\r\n" * 2048
                chunked = mode == "endlesschunked"
                if chunked:
                    self.start_chunked()
                else:
                    self.send_response(200)
                    self.send_header("Content-Type", "text/plain")
                    self.send_header("Connection", "close")
                    self.end_headers()
                while True:
                    if chunked:
                        self.write_chunk(block)
                    else:
                        self.wfile.write(block)
        except (BrokenPipeError, ConnectionResetError, ssl.SSLError):
            self.close_connection = True
            return
        except (ValueError, IndexError):
            return self.send_body(400, b"bad test path\r\n")
        self.send_body(404, b"no such test mode\r\n")


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True
    tls = None  # an ssl.SSLContext for HTTPS

    def get_request(self):
        # The handshake happens in the connection's own thread (Handler.setup),
        # so a client that never completes it holds up no other.
        sock, addr = super().get_request()
        if self.tls:
            sock = self.tls.wrap_socket(sock, server_side=True, do_handshake_on_connect=False)
        return sock, addr

    def server_bind(self):
        # The stock version looks the host name up, which can hang without a
        # name server; tests only ever use the loopback address.
        socketserver.TCPServer.server_bind(self)
        self.server_name, self.server_port = self.server_address[:2]

    def handle_error(self, request, client_address):
        # Clients that hang up early (time-outs, aborted downloads) are normal here.
        # So are clients that turn the certificate down.
        if not isinstance(sys.exc_info()[1], (ConnectionError, TimeoutError, ssl.SSLError)):
            super().handle_error(request, client_address)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--root", default=os.getcwd())
    ap.add_argument("--port", type=int, default=0)
    ap.add_argument("--port-file")
    ap.add_argument("--log")
    ap.add_argument("--delay", type=float, default=0.0)
    ap.add_argument("--tls", help="the name of a certificate in --certs: speak HTTPS with it")
    ap.add_argument("--certs", help="the folder test_certs.py made")
    ap.add_argument("--alpn-probe", action="store_true")
    ap.add_argument("--socks5", action="store_true")
    opts = ap.parse_args()
    Handler.log_path = opts.log
    Handler.delay = opts.delay
    Handler.alpn_probe = opts.alpn_probe
    root = os.path.abspath(opts.root)

    def handler(*a, **kw):
        return Handler(*a, directory=root, **kw)

    if opts.socks5:
        server = Socks5(("127.0.0.1", opts.port), None)
        server.log_path = opts.log
    else:
        server = Server(("127.0.0.1", opts.port), handler)
    if opts.tls:
        server.tls = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        server.tls.load_cert_chain(os.path.join(opts.certs, opts.tls + ".pem"),
                                   os.path.join(opts.certs, opts.tls + ".key"))
        # HTTP/1.1 is all this server speaks; the probe offers HTTP/2 alone.
        server.tls.set_alpn_protocols(["h2"] if opts.alpn_probe else ["http/1.1"])
    port = server.server_address[1]
    if opts.port_file:
        tmp = opts.port_file + ".tmp"
        with open(tmp, "w") as f:
            f.write("%d\n" % port)
        os.replace(tmp, opts.port_file)
    print(port, flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    sys.exit(main())
