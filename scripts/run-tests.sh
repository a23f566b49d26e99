#!/usr/bin/env bash
# Runs every test program under Wine inside one virtual X display.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
export MARLOW_BUILD=$build
. "$here/wine-env.sh"
cd "$build"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure
fi
exec ctest --output-on-failure
