#!/usr/bin/env bash
# Sets up, builds and starts Vinylix (the catalogue and settings file live in build/).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVINYLIX_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)"
exec build/vinylix "$@"
