#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole program, then the core
# once more under AddressSanitizer and UndefinedBehaviorSanitizer. A warning in the project's own
# code fails every build here.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
ensure_packages "${MW_CORE_PACKAGES[@]}" "${MW_GUI_PACKAGES[@]}" "${MW_CHECK_PACKAGES[@]}" "${MW_PACKAGE_PACKAGES[@]}"
ensure_node

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

echo "== Build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMW_BUILD_GUI=ON -DMW_BUILD_TESTS=ON -DMW_BUILD_BENCH=ON \
    -DMW_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Core under sanitizers"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DMW_SANITIZE=ON -DMW_BUILD_GUI=OFF -DMW_BUILD_BENCH=OFF -DMW_BUILD_FUZZ=ON -DMW_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

if [ -x scripts/test-windows.sh ]; then
    echo "== Windows build under wine"
    MW_WARNINGS_AS_ERRORS=ON scripts/test-windows.sh
fi

# The Windows window program needs Qt built for Windows, most of an hour the first time
# (scripts/build-qt-windows.sh): its stage runs when that Qt is in the cache, and builds the
# program and both packages; MW_WINDOWS_GUI=0 leaves it out.
echo "== Windows window program under wine"
if [ "${MW_WINDOWS_GUI:-}" = 0 ]; then
    echo "Skipped: MW_WINDOWS_GUI=0 leaves it out."
elif [ -f "$(scripts/build-qt-windows.sh --prefix)/.complete" ]; then
    MW_WARNINGS_AS_ERRORS=ON scripts/test-windows-gui.sh
else
    echo "Skipped: no Qt for Windows in the cache; scripts/build-qt-windows.sh builds it (about an hour)."
fi
