"""A SOCKS5 proxy for the tests (test_server.py --socks5): no authentication,
CONNECT only, each request noted in the log as "SOCKS5 CONNECT host:port"."""
import select
import socket
import socketserver
import struct


class Socks5(socketserver.ThreadingTCPServer):
    """A SOCKS5 proxy without authentication that relays CONNECT requests."""
    daemon_threads = True
    allow_reuse_address = True
    log_path = None

    def finish_request(self, client, address):
        def exact(n):
            data = b""
            while len(data) < n:
                more = client.recv(n - len(data))
                if not more:
                    raise ConnectionError("closed")
                data += more
            return data
        try:
            _, methods = exact(2)
            exact(methods)
            client.sendall(b"\x05\x00")
            _, command, _, kind = exact(4)
            if kind == 1:
                host = socket.inet_ntoa(exact(4))
            elif kind == 3:
                host = exact(exact(1)[0]).decode()
            else:
                raise ConnectionError("address type %d" % kind)
            port = struct.unpack("!H", exact(2))[0]
            if self.log_path:
                with open(self.log_path, "a", encoding="utf-8") as f:
                    f.write("SOCKS5 CONNECT %s:%d\n" % (host, port))
            if command != 1:
                raise ConnectionError("command %d" % command)
            upstream = socket.create_connection((host, port), 10)
        except (OSError, ValueError):
            client.close()
            return
        client.sendall(b"\x05\x00\x00\x01" + socket.inet_aton("127.0.0.1") + struct.pack("!H", 0))
        with upstream:
            pair = {client: upstream, upstream: client}
            while True:
                ready, _, _ = select.select(list(pair), [], [], 60)
                if not ready:
                    return
                for sock in ready:
                    data = sock.recv(65536)
                    if not data:
                        return
                    pair[sock].sendall(data)
