#!/usr/bin/env bash
# Lists the includes between folders of src/ and fails on one that runs up a floor or sideways
# between subsystems. Floors, lowest first: store -> mp3 -> settings -> kit -> subsystems -> app
# and cli (the settings hold the options, the tag code page among them). The command line (cli)
# stands beside app and includes no header of the windows (a vinylix_ui source).
set -euo pipefail
cd "$(dirname "$0")/../src"

floor() {
    case "$1" in
    store) echo 0 ;;
    mp3) echo 1 ;;
    settings) echo 2 ;;
    kit) echo 3 ;;
    app | cli) echo 5 ;;
    *) echo 4 ;; # a subsystem: browse, editor, import, export, transfer, search, tags, shelf, ...
    esac
}

bad=0
while IFS=: read -r file _ line; do
    [[ "$file" == */* ]] || continue # main.cpp stands above every floor
    from=${file%%/*}
    to=$(sed -E 's@.*#include "([a-z0-9_]+)/.*@\1@' <<<"$line")
    [ "$from" = "$to" ] && continue
    [ -d "$to" ] || continue
    f=$(floor "$from")
    t=$(floor "$to")
    if [ "$t" -ge "$f" ]; then
        echo "upward or sideways include: $file -> $to ($line)"
        bad=1
    fi
done < <(grep -rn '#include "[a-z0-9_]*/' --include='*.h' --include='*.cpp' . | sed 's@^\./@@')

# The headers of the windows, as each folder's CMakeLists.txt adds them to vinylix_ui.
ui_headers=$(for list in */CMakeLists.txt; do
    awk '/target_sources\(vinylix_ui/ { on = 1 } on { print } on && /\)/ { on = 0 }' "$list" |
        grep -o '[a-z0-9_]*\.h' | sed "s@^@${list%/CMakeLists.txt}/@" || true
done)
while IFS=: read -r file _ line; do
    to=$(sed -E 's@.*#include "([^"]+)".*@\1@' <<<"$line")
    if grep -qxF "$to" <<<"$ui_headers"; then
        echo "a window's header in the command line: $file -> $to"
        bad=1
    fi
done < <(grep -rn '#include "[a-z0-9_]*/' --include='*.h' --include='*.cpp' cli | sed 's@^\./@@')
[ "$bad" -eq 0 ] && echo "Includes run down the floors: store -> mp3 -> settings -> kit -> subsystems -> app and cli; the command line includes no window."
exit "$bad"
