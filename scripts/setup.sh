#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing need (only those missing).
set -euo pipefail
packages=(g++ clang cmake make pkg-config qt6-base-dev libsqlite3-dev libsqlitecpp-dev
          libbenchmark-dev sqlite3 libgl1-mesa-dev xvfb xauth clang-format)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
