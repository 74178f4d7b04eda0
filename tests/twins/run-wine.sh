#!/bin/sh
# run-wine.sh <prefix> <program.exe>: runs a Windows console program under
# Debian's wine64 in the test run's prefix, and waits for the prefix's
# wineserver to go, as the next Wine test needs.
export WINEPREFIX="$1" WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
unset DISPLAY WAYLAND_DISPLAY
/usr/lib/wine/wine64 "$2"
status=$?
/usr/lib/wine/wineserver --wait
exit $status
