#!/usr/bin/env bash
# Builds the programs without tests and makes their Debian package in build-package/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${MW_CORE_PACKAGES[@]}" "${MW_GUI_PACKAGES[@]}" "${MW_PACKAGE_PACKAGES[@]}"
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMW_BUILD_GUI=ON -DMW_BUILD_TESTS=OFF \
    -DMW_BUILD_BENCH=OFF >/dev/null
cmake --build build-package -j2
(cd build-package && cpack -G DEB)
ls build-package/*.deb
