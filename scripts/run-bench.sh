#!/usr/bin/env bash
# Runs every benchmark program (BUILD/bin/bench_*.exe) under Wine; each prints its own figures.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
export MARLOW_BUILD=$build
shopt -s nullglob
benches=("$build"/bin/bench_*.exe)
if [ ${#benches[@]} -eq 0 ]; then
  echo "run-bench: no benchmark programs in $build/bin yet"
  exit 0
fi
status=0
for bench in "${benches[@]}"; do
  echo "== $(basename "$bench" .exe)"
  "$here/wine-run.sh" "$bench" || { echo "run-bench: $(basename "$bench") failed" >&2; status=1; }
done
exit $status
