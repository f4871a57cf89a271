#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program (with FILE, opening it).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
ensure_packages "${MW_CORE_PACKAGES[@]}" "${MW_GUI_PACKAGES[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMW_BUILD_GUI=ON >/dev/null
cmake --build build
if [ -x build/bin/modelwright ]; then
    exec build/bin/modelwright "$@"
fi
exec build/bin/modelwright-cli "$@"
