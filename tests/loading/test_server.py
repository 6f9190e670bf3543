#!/usr/bin/env python3
"""The HTTP and HTTPS server of the loading tests, listening on 127.0.0.1.

Usage: test_server.py CERT_FILE KEY_FILE STATE_DIR

Prints "ports HTTP_PORT HTTPS_PORT" once both listen, then serves the same
routes on both until it is killed. STATE_DIR receives a file named
"stall-started" when a client is in the middle of /stall.
"""

import http.server
import os
import ssl
import sys
import threading
import time
import urllib.parse

BIG_BODY = bytes(i % 251 for i in range(3 * 1024 * 1024))
https_port = 0
state_dir = "."


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def do_GET(self):
        self.route()

    def do_POST(self):
        self.route()

    def reply(self, code, body=b"", headers=()):
        self.send_response(code)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def route(self):
        length = int(self.headers.get("Content-Length") or 0)
        self.body = self.rfile.read(length) if length else b""
        # Through a proxy the request names the whole URL.
        target = urllib.parse.urlsplit(self.path)
        path = target.path
        query = urllib.parse.parse_qs(target.query)
        if path.lower().startswith("/echo"):
            return self.echo()
        if path == "/hello":
            return self.reply(200, b"hello world")
        if path == "/redirect":
            code = int(query.get("code", ["302"])[0])
            return self.reply(code, b"moved", [("Location", query["to"][0])])
        if path.startswith("/to-https/"):
            to = "https://localhost:%d/%s" % (https_port, path[len("/to-https/"):])
            return self.reply(302, b"moved", [("Location", to)])
        if path == "/loop/a":
            return self.reply(302, b"", [("Location", "b")])  # relative
        if path == "/loop/b":
            return self.reply(302, b"", [("Location", "/loop/a")])
        if path.startswith("/chain/"):
            left = int(path[len("/chain/"):])
            if left == 0:
                return self.reply(200, b"end of chain")
            return self.reply(302, b"", [("Location", "/chain/%d" % (left - 1))])
        if path == "/cookies":
            return self.cookies()
        if path == "/notfound":
            return self.reply(404, b"no such page")
        if path == "/slow":
            return self.slow(int(query["pieces"][0]), float(query["pause"][0]))
        if path == "/stall":
            return self.stall()
        if path == "/big":
            return self.reply(200, BIG_BODY)
        if path == "/longheaders":
            return self.long_headers()
        if path == "/utf8":
            return self.reply(200, "中文 ok é".encode("utf-8"))
        if path == "/gbk":
            return self.reply(200, "中文 ok".encode("gb18030"))
        if path == "/empty":
            return self.reply(200)
        if path == "/nul":
            return self.reply(200, b"before\0after")
        if path == "/lf":
            self.close_connection = True
            self.wfile.write(b"HTTP/1.1 200 OK\nContent-Length: 2\n"
                             b"X-Line: lf\n\nok")
            return
        return self.reply(404, b"unknown route")

    def echo(self):
        """The request as it arrived: request line, header lines, body."""
        lines = [self.requestline]
        lines += ["%s: %s" % item for item in self.headers.items()]
        text = "\r\n".join(lines) + "\r\n\r\n"
        self.reply(200, text.encode("latin-1") + self.body)

    def cookies(self):
        self.reply(200, b"cookies set", [
            ("Set-Cookie", "lang=fr; Path=/"),
            ("Set-Cookie", "sid=1; HttpOnly"),
            ("set-cookie", "lower=1; Path=/"),
            ("Set-Cookie", "theme=deleted; expires=Thu, 01 Jan 1970 00:00:00 GMT"),
            ("Set-Cookie", "uid=7; Path=/"),
            ("Set-Cookie", "id=5"),
            ("Content-Location", "/first"),
            ("Content-Location", "/x"),
        ])

    def slow(self, pieces, pause):
        piece = b"0123456789abcdef"
        self.send_response(200)
        self.send_header("Content-Length", str(len(piece) * pieces))
        self.end_headers()
        for _ in range(pieces):
            self.wfile.write(piece)
            self.wfile.flush()
            time.sleep(pause)

    def stall(self):
        """16 bytes at once, then one byte every 100 ms for 30 s."""
        tail = 300
        self.send_response(200)
        self.send_header("Content-Length", str(16 + tail))
        self.end_headers()
        self.wfile.write(b"0123456789abcdef")
        self.wfile.flush()
        open(os.path.join(state_dir, "stall-started"), "w").close()
        try:
            for _ in range(tail):
                time.sleep(0.1)
                self.wfile.write(b".")
                self.wfile.flush()
        except OSError:
            pass  # the client has gone

    def long_headers(self):
        headers = [("X-Filler-%02d" % n, "f" * 200) for n in range(60)]
        headers.append(("X-Long", "L" * 8000))
        headers.append(("Set-Cookie", "late=1; Path=/"))
        headers.append(("Content-Location", "/late"))
        self.reply(200, b"long headers", headers)


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        pass  # a client that gave up, or refused the certificate


def main():
    global https_port, state_dir
    cert_file, key_file, state_dir = sys.argv[1:4]
    plain = Server(("127.0.0.1", 0), Handler)
    secure = Server(("127.0.0.1", 0), Handler)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert_file, key_file)
    # The handshake happens in the request's own thread.
    secure.socket = context.wrap_socket(secure.socket, server_side=True,
                                        do_handshake_on_connect=False)
    https_port = secure.server_address[1]
    for server in (plain, secure):
        threading.Thread(target=server.serve_forever, daemon=True).start()
    print("ports %d %d" % (plain.server_address[1], https_port), flush=True)
    # Ends with the test program, even when that one crashed.
    parent = os.getppid()
    while os.getppid() == parent:
        time.sleep(0.5)


if __name__ == "__main__":
    main()
