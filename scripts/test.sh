#!/usr/bin/env bash
# Sets up, builds every test with AddressSanitizer and UndefinedBehaviorSanitizer, and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/check_floors.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVINYLIX_SANITIZE=ON -DVINYLIX_TESTS=ON \
    "${launcher[@]}" >/dev/null
cmake --build build-test -j"$(nproc)"
cd build-test
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 ctest --output-on-failure "$@"
