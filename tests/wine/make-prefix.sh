#!/bin/sh
# make-prefix.sh <folder>: makes the Wine prefix the Wine tests share, once
# per test run (a CTest fixture; 10 to 20 s and 700 MB).
set -eu
export WINEPREFIX="$1" WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
unset DISPLAY WAYLAND_DISPLAY
rm -rf "$WINEPREFIX"
/usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
# Without a window manager Wine's windows draw their own frames: unmanaged,
# or destroying one takes two seconds.
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
# And with no window manager to activate them, the X input focus does, as
# clicking another window or Alt+Tab does on Windows.
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v UseTakeFocus /d N /f >/dev/null
/usr/lib/wine/wineserver --wait
