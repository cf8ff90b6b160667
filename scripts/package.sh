#!/usr/bin/env bash
# Sets up, builds Vinylix for release and makes its Debian package,
# build-package/vinylix_<version>_<architecture>.deb (install it with apt install ./...deb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVINYLIX_TESTS=OFF >/dev/null
cmake --build build-package -j"$(nproc)"
(cd build-package && cpack -G DEB)
