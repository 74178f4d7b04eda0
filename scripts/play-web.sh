#!/usr/bin/env bash
# Builds the browser version and serves its site on 127.0.0.1 (port 8000, or
# the one given): open the address it prints in a browser. The server sends
# the headers that make the page cross-origin isolated, as the README asks of
# hosts that can send them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
port=${1:-8000}
"$root/scripts/build-web.sh" >/dev/null
echo "vorK is at http://127.0.0.1:$port/ (Ctrl+C stops the server)"
exec python3 - "$port" "$root/build-web/site" <<'SERVER'
import functools
import http.server
import sys


class Isolating(http.server.SimpleHTTPRequestHandler):
    def end_headers(self):
        self.send_header("Cross-Origin-Opener-Policy", "same-origin")
        self.send_header("Cross-Origin-Embedder-Policy", "require-corp")
        super().end_headers()


server = http.server.ThreadingHTTPServer(
    ("127.0.0.1", int(sys.argv[1])), functools.partial(Isolating, directory=sys.argv[2]))
try:
    server.serve_forever()
except KeyboardInterrupt:
    pass
SERVER
