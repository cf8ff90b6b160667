#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing need (only those missing).
set -euo pipefail
packages=(g++ cmake make pkg-config qt6-base-dev qt6-charts-dev qt6-svg-dev libsqlite3-dev
    libsqlitecpp-dev libqt6svg6 dpkg-dev file desktop-file-utils appstream)
# qt6-charts-dev draws the statistics window's charts and qt6-svg-dev saves them as SVG;
# libqt6svg6 draws the SVG icons; the others make and check the Debian package.
# Benchmarks and fuzzing need more: scripts/setup.sh --extra
if [ "${1:-}" = "--extra" ]; then
    packages+=(libbenchmark-dev sqlite3 clang libclang-rt-14-dev clang-format xvfb xauth imagemagick openbox xdotool)
fi
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
