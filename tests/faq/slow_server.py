#!/usr/bin/env python3
"""Serves the files of --root on 127.0.0.1 after --delay seconds per request.

Also answers when used as an HTTP proxy (the file is looked up by the request's
path), so a program with a fixed server address can be pointed at it. Prints the
port when ready; logs each request line to --log.
"""
import argparse
import functools
import http.server
import socketserver
import sys
import time
import urllib.parse


class Handler(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    delay = 0.0
    log_path = None

    def log_message(self, fmt, *args):
        pass

    def do_GET(self):
        if self.log_path:
            with open(self.log_path, "a", encoding="utf-8") as f:
                f.write(self.requestline + "\n")
        time.sleep(self.delay)
        self.path = urllib.parse.urlsplit(self.path).path
        return super().do_GET()


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def server_bind(self):
        socketserver.TCPServer.server_bind(self)
        self.server_name, self.server_port = self.server_address[:2]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--root", required=True)
    ap.add_argument("--delay", type=float, default=0.0)
    ap.add_argument("--log")
    opts = ap.parse_args()
    Handler.delay = opts.delay
    Handler.log_path = opts.log
    server = Server(("127.0.0.1", 0), functools.partial(Handler, directory=opts.root))
    print(server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
