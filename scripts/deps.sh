#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need (run as root; skips what is there).
set -euo pipefail
packages=(cmake g++ make libgtest-dev libgmock-dev qt6-base-dev libqt6serialport6-dev
          xvfb xauth openbox xdotool wmctrl x11-utils fonts-liberation poppler-utils clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
