#!/usr/bin/env bash
# Makes the Wine prefix once: boots it and copies Wine's own fonts (Tahoma, MS Sans Serif, ...)
# into its Fonts folder, where Debian's Wine only sees them. Then applies our settings once.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
stamp="$WINEPREFIX/.marlow-ready"
settings="$WINEPREFIX/.marlow-settings-1"
[ -f "$stamp" ] && [ -f "$settings" ] && exit 0
if [ ! -f "$stamp" ]; then
  echo "wine-prefix: creating $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c 'wineboot -i >/dev/null 2>&1; wineserver -w'
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  touch "$stamp"
fi
# Xvfb has no window manager: Wine, waiting for one, takes about 2 s to destroy each top-level
# window unless it manages the windows itself.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c \
  'wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1; wineserver -w'
touch "$settings"
