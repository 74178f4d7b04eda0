#!/usr/bin/env bash
# Builds the browser version and serves its site on 127.0.0.1 (port 8000, or
# the one given): open the address it prints in a browser.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
port=${1:-8000}
"$root/scripts/build-web.sh" >/dev/null
echo "vorK is at http://127.0.0.1:$port/ (Ctrl+C stops the server)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$root/build-web/site"
