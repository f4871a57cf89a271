#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own source package, with Debian's MinGW-w64, as
# shared libraries (the program ships Qt's DLLs beside itself), and installs it into a cache
# folder outside the work tree that later builds reuse while version and options match.
#   scripts/build-qt-windows.sh           build unless the cache is complete; print its folder
#   scripts/build-qt-windows.sh --prefix  only print the folder the cache would be in
#   scripts/build-qt-windows.sh --fetch-only
#                                         only fetch and unpack Qt's source into the cache's work
#                                         folder (the fetch stage of a build); print its folder
# MW_QT_CACHE names the cache folder (default ~/.cache/modelwright).
# Takes most of an hour on two cores the first time.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

qt_version=6.4.2
cache_root=${MW_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/modelwright}
# What the build is made with and of: a change in any of these builds a new cache.
options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_ssl=OFF -DFEATURE_openssl=OFF -DFEATURE_vulkan=OFF
    # Debian's source leaves out the tablet headers the Windows plugins would include.
    -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF
    # No OpenGL at all: switching off only the feature leaves dynamic GL half on.
    -DINPUT_opengl=no
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_zstd=OFF
)
# Written into the cache: Qt's own toolchain file loads it again in every build against this Qt.
# Qt and the program share the MinGW runtime DLLs instead of linking it statically.
toolchain_text='set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
find_program(MW_WINE NAMES wine64 wine)
if(MW_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${MW_WINE})
endif()'
key=$(printf '%s\n' "$qt_version" "${options[@]}" "$toolchain_text" | sha256sum | cut -c1-12)
prefix=$cache_root/qt-$qt_version-mingw64-$key

fetch_only=false
case "${1:-}" in
    --prefix) echo "$prefix"; exit 0 ;;
    --fetch-only) fetch_only=true ;;
    '') ;;
    *) echo "Unknown argument: $1 (expected --prefix or --fetch-only)" >&2; exit 2 ;;
esac
if ! $fetch_only && [ -f "$prefix/.complete" ]; then
    echo "Qt $qt_version for Windows is ready in $prefix"
    exit 0
fi

started=$(date +%s)
ensure_packages dpkg-dev xz-utils
$fetch_only || ensure_packages g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix cmake ninja-build \
    qt6-base-dev qt6-base-dev-tools

# Debian's source packages: the same archive and suites as the machine's binary packages.
if ! apt-get source --print-uris qt6-base >/dev/null 2>&1 ||
    [ -z "$(apt-get source --print-uris qt6-base 2>/dev/null | grep -F "'http")" ]; then
    # As root, or through password-less sudo, so that the cache stays the user's own.
    if [ "$(id -u)" -eq 0 ]; then
        as_root() { "$@"; }
    elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
        as_root() { sudo -n "$@"; }
    else
        echo "Qt's source needs a deb-src entry for apt; run this once as root or with password-less sudo." >&2
        exit 1
    fi
    sources=/etc/apt/sources.list.d/modelwright-deb-src.sources
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: *deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | as_root tee "$sources" >/dev/null
    else
        # A new system may name its archive in a file of another name, or in one-line lists only.
        deb822=() one_line=()
        for list in /etc/apt/sources.list.d/*.sources; do
            [ -f "$list" ] && [ "$list" != "$sources" ] && deb822+=("$list")
        done
        for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
            [ -f "$list" ] && [ "$list" != "${sources%.sources}.list" ] && one_line+=("$list")
        done
        if [ ${#deb822[@]} -gt 0 ]; then
            for list in "${deb822[@]}"; do
                sed 's/^Types: *deb$/Types: deb-src/' "$list"
                echo
            done | as_root tee "$sources" >/dev/null
        elif [ ${#one_line[@]} -gt 0 ]; then
            { grep -h '^deb ' "${one_line[@]}" || true; } | sed 's/^deb /deb-src /' | as_root tee "${sources%.sources}.list" >/dev/null
        else
            echo "apt names no archive to fetch Qt's source from." >&2
            exit 1
        fi
    fi
    echo "Added Debian's source packages to apt"
    as_root apt-get update -qq >/dev/null
fi

# The unpacked source's folder in the work folder, or nothing while there is none: a glob, as
# ls of a pattern that matches nothing fails and stops the script under pipefail.
unpacked_source() {
    local folder
    for folder in qt6-base-"$qt_version"*/; do
        [ -f "$folder/.unpacked" ] && { echo "${folder%/}"; return 0; }
    done
    return 0
}

work=$cache_root/work-$key
mkdir -p "$work"
cd "$work"
# Debian's folder name (qt6-base-6.4.2+dfsg); its patches, security mends among them, are applied.
source_dir=$(unpacked_source)
if [ -z "$source_dir" ]; then
    echo "== Fetching Qt's source from Debian"
    rm -rf qt6-base-*
    apt-get source -qq qt6-base >/dev/null 2>apt-source.log || { cat apt-source.log >&2; exit 1; }
    for folder in qt6-base-"$qt_version"*/; do
        [ -f "$folder/.cmake.conf" ] && touch "$folder/.unpacked"
    done
    source_dir=$(unpacked_source)
    [ -n "$source_dir" ] || { echo "apt-get source gave no Qt $qt_version: is it the host's Qt?" >&2; exit 1; }
fi
version_line=$(grep -m1 -E 'set\(QT_REPO_MODULE_VERSION' "$source_dir/.cmake.conf")
case "$version_line" in
    *"\"$qt_version\""*) ;;
    *) echo "Qt's source is not version $qt_version: $version_line" >&2; exit 1 ;;
esac
if $fetch_only; then
    echo "Qt $qt_version's source is unpacked in $work/$source_dir"
    exit 0
fi

# Without Direct2D Qt Gui leaves out its DirectWrite font engine and font database, which the
# Windows print engine and platform plugin still call while DirectWrite is on: neither would
# link. They then use GDI, as without DirectWrite (Qt Gui's own files test both features).
sed -i 's/^#if QT_CONFIG(\(directwrite3\?\))$/#if QT_CONFIG(\1) \&\& QT_CONFIG(direct2d)/' \
    "$source_dir/src/printsupport/platform/windows/qprintengine_win.cpp" \
    "$source_dir/src/plugins/platforms/windows/qwindowsintegration.cpp"
# Without SSL the TLS backends (Schannel) have nothing to serve and do not compile.
sed -i 's/^    add_subdirectory(tls)$/    if(QT_FEATURE_ssl)\n        add_subdirectory(tls)\n    endif()/' \
    "$source_dir/src/plugins/CMakeLists.txt"

mkdir -p "$prefix"
printf '%s\n' "$toolchain_text" > "$prefix/mingw-toolchain.cmake"
echo "== Configuring Qt $qt_version for Windows (64-bit, shared)"
cmake -S "$source_dir" -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-toolchain.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${options[@]}" > configure.log 2>&1 || { tail -n 40 configure.log >&2; exit 1; }

echo "== Building (about 1,300 steps; progress as [done/total])"
# Ninja's status line, one line in a hundred steps, so a log shows progress without flooding.
NINJA_STATUS='[%f/%t %es] ' cmake --build build -j "$(nproc)" 2>&1 |
    awk '/^\[[0-9]+\/[0-9]+/ { split(substr($1, 2), n, "/"); if (n[1] % 100 == 0 || n[1] == n[2]) print; next }
         /error|Error|FAILED/ { print }' || true
cmake --build build -j "$(nproc)" >build-last.log 2>&1 || { tail -n 40 build-last.log >&2; exit 1; }
cmake --install build >/dev/null
cp "$source_dir/LICENSES/LGPL-3.0-only.txt" "$source_dir/LICENSES/GPL-3.0-only.txt" "$prefix/" 2>/dev/null || true
touch "$prefix/.complete"
cd / && rm -rf "$work"
minutes=$(( ($(date +%s) - started + 59) / 60 ))
echo "Qt $qt_version for Windows built in $minutes minutes: $prefix"
