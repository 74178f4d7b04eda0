#!/usr/bin/env bash
# Builds the browser version and measures it: the site's size, then, in
# Debian's Chromium, Firefox ESR and WebKitGTK side by side on private X
# servers, the time to the first picture, the rally's frame rate and periods,
# and each browser's processor share in a rally beside a floor page in the
# same browser, and the desktop game's (bench/web/WebBench.cpp).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" desktop web web-tests
"$root/scripts/build-web.sh" "$root/build-web" >/dev/null
"$root/scripts/build.sh" "$root/build" -DVORK_WEB_BUILD="$root/build-web" >/dev/null

site=$root/build-web/site
echo "site: $(find "$site" -type f | wc -l) files"
total=0
totalGzip=0
for file in "$site"/*; do
  bytes=$(stat -c %s "$file")
  gzipped=$(gzip -9c "$file" | wc -c)
  total=$((total + bytes))
  totalGzip=$((totalGzip + gzipped))
  printf '  %-22s %7d bytes, %7d gzip -9\n' "$(basename "$file")" "$bytes" "$gzipped"
done
printf '  %-22s %7d bytes, %7d gzip -9\n' "in all" "$total" "$totalGzip"
"$root/build/bench/web/vork_bench_web"
