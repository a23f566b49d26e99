#!/usr/bin/env bash
# Makes the Wine prefix once: boots it and copies Wine's own fonts (Tahoma, MS Sans Serif, ...)
# into its Fonts folder, where Debian's Wine only sees them.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
stamp="$WINEPREFIX/.marlow-ready"
[ -f "$stamp" ] && exit 0
echo "wine-prefix: creating $WINEPREFIX"
mkdir -p "$WINEPREFIX"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c 'wineboot -i >/dev/null 2>&1; wineserver -w'
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
touch "$stamp"
