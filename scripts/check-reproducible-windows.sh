#!/usr/bin/env bash
# Builds vorK for Windows twice, in two build folders, and checks that the two
# exes, zips and installers are bit-identical: nothing of where or when the
# build ran may reach them. SOURCE_DATE_EPOCH, when set, dates the files in
# the zip and the installer; else the release date does. About two minutes
# once the libraries are built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Folder names of different lengths, so a build path left in a file would also shift what follows it.
builds=("$work/a" "$work/build-two")
for build in "${builds[@]}"; do
  "$root/scripts/build-windows.sh" "$build" >/dev/null
done

status=0
for file in vork.exe vork-1.00-win64.zip vork-1.00-win64-setup.exe; do
  if cmp -s "${builds[0]}/$file" "${builds[1]}/$file"; then
    echo "reproducible: $file $(sha256sum <"${builds[0]}/$file" | cut -d' ' -f1)"
  else
    echo "NOT reproducible: the two builds' $file differ" >&2
    status=1
  fi
done
exit $status
