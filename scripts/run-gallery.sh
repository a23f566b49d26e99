#!/usr/bin/env bash
# Shows the gallery on the current X display; without one, writes a picture of every page into
# BUILD/screenshots instead.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
export MARLOW_BUILD=$build
gallery=$build/bin/gallery.exe
if [ ! -f "$gallery" ]; then
  echo "run-gallery: $gallery is missing; build it first" >&2
  exit 1
fi
if [ -n "${DISPLAY:-}" ]; then
  exec "$here/wine-run.sh" "$gallery"
fi
out=$build/screenshots
rm -rf "$out"
mkdir -p "$out"
# Wine's drive Z: is the root of the Linux file system.
"$here/wine-run.sh" "$gallery" --screenshots "Z:$out"
echo "run-gallery: the pictures of the gallery's pages are in $out:"
ls -1 "$out"
