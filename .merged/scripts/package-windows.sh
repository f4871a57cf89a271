#!/usr/bin/env bash
# Cross-builds the window program and modelwright-cli for 64-bit Windows against the Qt that
# scripts/build-qt-windows.sh keeps in its cache (building that Qt first when it is missing:
# most of an hour), and packs them: build-win-gui/packages/modelwright-VERSION-win64.zip
# (portable: unpack and run) and modelwright-VERSION-setup.exe (installs for the user alone).
#   scripts/package-windows.sh [--with-tests]   --with-tests builds the window tests as well
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${MW_WINDOWS_GUI_PACKAGES[@]}"

with_tests=OFF
[ "${1:-}" = --with-tests ] && with_tests=ON
jobs=$(nproc)
build=build-win-gui
started=$(date +%s)

scripts/build-qt-windows.sh >/dev/null
qt=$(scripts/build-qt-windows.sh --prefix)

# The drawings become pictures through this machine's Qt, which has the SVG reader.
host=${MW_HOST_BUILD:-build}
if [ ! -f "$host/CMakeCache.txt" ]; then
    cmake -S . -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMW_BUILD_TESTS=OFF -DMW_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$host" --target render_icons >/dev/null
render_icons=$(readlink -f "$host/bin/render_icons")

cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DMW_BUILD_GUI=ON -DMW_BUILD_TESTS="$with_tests" \
    -DMW_HOST_RENDER_ICONS="$render_icons" -DMW_WARNINGS_AS_ERRORS="${MW_WARNINGS_AS_ERRORS:-OFF}" >/dev/null
targets=(modelwright modelwright-cli)
if [ "$with_tests" = ON ]; then
    for source in tests/ui/tst_*.cpp tests/app/tst_*.cpp; do
        room=$(basename "$(dirname "$source")")
        targets+=("${room}_$(basename "$source" .cpp)")
    done
fi
cmake --build "$build" -j "$jobs" --target "${targets[@]}"
built=$(date +%s)

version=$(sed -n 's/^project(Modelwright VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
mkdir -p "$build/packages"
(
    cd "$build"
    cpack -G ZIP -B packages -D CPACK_PACKAGE_FILE_NAME="modelwright-$version-win64" >/dev/null
    cpack -G NSIS -B packages -D CPACK_PACKAGE_FILE_NAME="modelwright-$version-setup" >/dev/null
)
rm -rf "$build/packages/_CPack_Packages"
echo "Windows build took $((built - started)) s, packing $(($(date +%s) - built)) s:"
ls -l "$build/packages/modelwright-$version-win64.zip" "$build/packages/modelwright-$version-setup.exe"
