#!/usr/bin/env python3
"""Stands in for the application's three web services on 127.0.0.1, for the demo build.

- region lookup (GET /json/?key=...): a country outside the China region;
- update check (GET /tvservice_api/api/response.php?...): no newer version. With --hold, the
  answer waits until that file exists, so the demo can show the checking screen first;
- analytics (GET .../matomo.php?...): accepted with "204 No Content".

Every request is written to standard output as one line: its kind, the status answered (or
"held") and, for analytics, the event's action and name, then the request's path and query.
"""

import argparse
import json
import os
import sys
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import parse_qs, urlsplit

UPDATE_PATH = "/tvservice_api/api/response.php"
# How long a held update answer waits at most: the application itself waits much longer.
HOLD_LIMIT_SECONDS = 60


class StandIn(BaseHTTPRequestHandler):
    country = "US"
    hold = None

    def do_GET(self):
        target = urlsplit(self.path)
        if target.path == "/json/":
            self.answer("region", 200, {"status": "success", "countryCode": self.country})
        elif target.path == UPDATE_PATH:
            self.wait_for_release()
            # A result code other than 9906 offers nothing.
            self.answer("update", 200, {"ResultCode": 9900})
        elif target.path.endswith("/matomo.php"):
            query = parse_qs(target.query)
            event = "/".join(query.get(key, ["-"])[0] for key in ("e_a", "e_n"))
            self.answer("analytics " + event, 204)
        else:
            self.answer("unknown", 404)

    def wait_for_release(self):
        if not self.hold or os.path.exists(self.hold):
            return
        print(f"update held {self.path}", flush=True)
        deadline = time.monotonic() + HOLD_LIMIT_SECONDS
        while not os.path.exists(self.hold) and time.monotonic() < deadline:
            time.sleep(0.05)

    def answer(self, kind, status, body=None):
        data = json.dumps(body).encode() if body is not None else b""
        self.send_response(status)
        if body is not None:
            self.send_header("Content-Type", "application/json")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)
        print(f"{kind} {status} {self.path}", flush=True)

    def log_message(self, format, *args):
        pass  # one line per request comes from answer()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--country", default=StandIn.country)
    parser.add_argument("--hold", help="answer update checks only once this file exists")
    options = parser.parse_args()
    StandIn.country = options.country
    StandIn.hold = options.hold
    try:
        server = ThreadingHTTPServer(("127.0.0.1", options.port), StandIn)
    except OSError as error:
        sys.exit(f"stand-in: cannot listen on 127.0.0.1:{options.port}: {error.strerror}")
    print(f"listening on 127.0.0.1:{options.port}", flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
