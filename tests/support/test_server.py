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
Binds 127.0.0.1 on a free port (or --port), prints the port on stdout when ready
and, with --port-file, also writes it there. With --log, each request line is
appended to that file as it arrives. With --delay, every answer waits that many
seconds first. A request for an absolute URL (as a client sends it to a proxy)
is answered from the URL's path, so the server also stands in for a proxy.
"""
import argparse
import http.server
import os
import socket
import sys
import threading
import time
import urllib.parse


class Handler(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    # Headers and body go out in separate writes; with Nagle's algorithm the
    # body of a second answer on a kept-alive connection waits for the
    # client's delayed acknowledgement of the headers (40 ms), which real
    # servers do not make their clients wait.
    disable_nagle_algorithm = True
    log_path = None
    delay = 0.0
    log_lock = threading.Lock()

    def log_message(self, fmt, *args):
        pass

    def record(self):
        if self.log_path:
            with self.log_lock, open(self.log_path, "a", encoding="utf-8") as f:
                f.write(self.requestline + "\n")

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
            return super().do_GET()
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
        except (BrokenPipeError, ConnectionResetError):
            self.close_connection = True
            return
        except (ValueError, IndexError):
            return self.send_body(400, b"bad test path\r\n")
        self.send_body(404, b"no such test mode\r\n")


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def server_bind(self):
        # The stock version looks the host name up, which can hang without a
        # name server; tests only ever use the loopback address.
        import socketserver
        socketserver.TCPServer.server_bind(self)
        self.server_name, self.server_port = self.server_address[:2]

    def handle_error(self, request, client_address):
        # Clients that hang up early (time-outs, aborted downloads) are normal here.
        if not isinstance(sys.exc_info()[1], (ConnectionError, TimeoutError)):
            super().handle_error(request, client_address)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--root", default=os.getcwd())
    ap.add_argument("--port", type=int, default=0)
    ap.add_argument("--port-file")
    ap.add_argument("--log")
    ap.add_argument("--delay", type=float, default=0.0)
    opts = ap.parse_args()
    Handler.log_path = opts.log
    Handler.delay = opts.delay
    root = os.path.abspath(opts.root)

    def handler(*a, **kw):
        return Handler(*a, directory=root, **kw)

    server = Server(("127.0.0.1", opts.port), handler)
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
