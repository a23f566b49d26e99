#!/usr/bin/env bash
# Installs what the build needs (MinGW-w64 for i686, Wine with 32-bit support, Xvfb, CMake,
# GoogleTest sources), without questions and only when something is missing.
set -euo pipefail

packages=(cmake make g++-mingw-w64-i686-posix mingw-w64-i686-dev wine wine32 wine64 fonts-wine
          xvfb xauth googletest)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
