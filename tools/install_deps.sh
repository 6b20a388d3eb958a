#!/usr/bin/env bash
# Installs what building, running and testing need on a fresh Debian 12 machine.
set -euo pipefail
packages=(g++ clang clang-tidy libclang-rt-14-dev python3 cmake make googletest libgtest-dev libgmock-dev libbenchmark-dev
          libwxgtk3.2-dev dosbox nasm xvfb xauth imagemagick xdotool freedoom unzip zip
          chocolate-doom)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}"
