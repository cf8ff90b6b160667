#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root, checks its desktop entry and
# AppStream metadata with their validators, its library dependencies, its manual page and bash
# completion, then starts the unpacked program offscreen against a temporary home folder: its
# catalogue must appear in the user's data folder, and a termination request must close the
# main window in order (the settings file is written at close, so it proves the window was up
# and shut down cleanly). Last, its command line must work without any display.
#
# Usage: scripts/package_test.sh [BUILD_FOLDER]
#   BUILD_FOLDER: a configured and built folder (CTest passes its own). Without it the release
#   build build-package/ is configured and built first.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-}
if [ -z "$build" ]; then
    build=$source_dir/build-package
    cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVINYLIX_TESTS=OFF >/dev/null
    cmake --build "$build" -j"$(nproc)" >/dev/null
fi
build=$(cd "$build" && pwd)

work=$(mktemp -d)
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then
        kill -KILL "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "package test: $*" >&2
    exit 1
}

# The package and the libraries it names.
(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log" >&2; fail "cpack could not make the package"; }
debs=("$work"/out/vinylix_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single vinylix_*.deb was made"
deb=${debs[0]}
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libqt6charts6 libsqlite3-0; do
    grep -q "\b$library\b" <<<"$depends" || fail "the package does not name $library: $depends"
done

# The unpacked files: desktop entry, metadata, icons.
root=$work/root
dpkg-deb -x "$deb" "$root"
entries=("$root"/usr/share/applications/*.desktop)
[ ${#entries[@]} -eq 1 ] && [ -f "${entries[0]}" ] || fail "no single desktop entry"
id=$(basename "${entries[0]}" .desktop)
desktop-file-validate "${entries[0]}" || fail "the desktop entry is not valid"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/as.log" ||
    { cat "$work/as.log" >&2; fail "the AppStream metadata is not valid"; }
grep -q "^Icon=$id$" "${entries[0]}" || fail "the desktop entry does not name the icon $id"
hicolor=$root/usr/share/icons/hicolor
[ -s "$hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
for size in 16 22 24 32 48 64 128 256; do
    file "$hicolor/${size}x${size}/apps/$id.png" | grep -q "PNG image data, $size x $size" ||
        fail "no $size px icon"
done

# The manual page vinylix(1) and the completion of the command line.
man_page=$root/usr/share/man/man1/vinylix.1.gz
gzip -t "$man_page" 2>/dev/null || fail "no gzipped manual page vinylix(1)"
zcat "$man_page" | grep -q '^\.TH VINYLIX 1' || fail "the manual page is not vinylix(1)"
completion=$root/usr/share/bash-completion/completions/vinylix
[ -s "$completion" ] && bash -n "$completion" || fail "no bash completion of vinylix"
grep -q 'complete -F _vinylix vinylix' "$completion" || fail "the completion does not complete vinylix"

# The installed program keeps its files in the user's data folder, never beside itself.
home=$work/home
data=$home/.local/share/vinylix
mkdir -p "$home" "$work/run"
chmod 700 "$work/run"
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u DISPLAY -u WAYLAND_DISPLAY \
    HOME="$home" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
    "$root/usr/bin/vinylix" >"$work/program.log" 2>&1 &
program_pid=$!
for _ in $(seq 1 600); do
    [ -f "$data/Vinylix.vnx" ] && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
[ -f "$data/Vinylix.vnx" ] || { cat "$work/program.log" >&2; fail "no catalogue in $data"; }
kill -TERM "$program_pid"
status=0
for _ in $(seq 1 300); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && fail "the program did not close on a termination request"
wait "$program_pid" || status=$?
program_pid=
[ "$status" -eq 0 ] || { cat "$work/program.log" >&2; fail "the program ended with status $status"; }
[ -f "$data/vinylix.ini" ] || fail "no settings file written at close in $data"
[ "$(ls -A "$root/usr/bin")" = vinylix ] || fail "files were written beside the program"

# The command line needs no display, and neither does the one line that says windows need one.
headless() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_DATA_HOME HOME="$home" \
        LC_ALL=C.UTF-8 "$root/usr/bin/vinylix" "$@"
}
headless stats >"$work/stats.out" 2>&1 || { cat "$work/stats.out" >&2; fail "vinylix stats failed"; }
grep -qx 'Number of Albums: 0' "$work/stats.out" || fail "vinylix stats did not count the catalogue"
status=0
headless >"$work/windows.out" 2>&1 || status=$?
[ "$status" -eq 1 ] && grep -qx 'vinylix: no graphical display.*' "$work/windows.out" ||
    { cat "$work/windows.out" >&2; fail "without a display the program did not say so"; }
echo "package test: $(basename "$deb") passed"
