#!/usr/bin/env bash
# Runs a Windows program under Wine; starts a virtual X display when there is none.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
"$here/wine-prefix.sh" || exit 1
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
exec wine "$@"
