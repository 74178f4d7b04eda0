#!/usr/bin/env bash
# Builds the Debian package twice, in two build folders, and checks that the
# two .deb files are bit-identical: nothing of where or when the build ran may
# reach the package. SOURCE_DATE_EPOCH, when set, dates the files in both.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Folder names of different lengths, so a build path left in a file would also shift what follows it.
builds=("$work/a" "$work/build-two")
for build in "${builds[@]}"; do
  "$root/scripts/build.sh" "$build" -DVORK_BUILD_TESTS=OFF -DVORK_BUILD_BENCH=OFF
  (cd "$build" && cpack -G DEB -B "$build/package" >/dev/null)
done

first=$(echo "${builds[0]}"/package/*.deb)
second=$(echo "${builds[1]}"/package/*.deb)
if cmp -s "$first" "$second"; then
  echo "reproducible: $(basename "$first") $(sha256sum <"$first" | cut -d' ' -f1)"
  exit 0
fi
echo "NOT reproducible: the two packages differ" >&2
for deb in "$first" "$second"; do
  dpkg-deb -R "$deb" "$deb.tree"
done
diff -r "$first.tree" "$second.tree" >&2 || true
exit 1
