#!/usr/bin/env bash
# Cross-builds the core, its tests and modelwright-cli for 64-bit Windows, runs them under
# wine, and checks that both builds of the command-line tool write the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages g++-mingw-w64-x86-64 libz-mingw-w64-dev wine wine64

jobs=$(nproc)
export WINEDEBUG=-all
export WINEPREFIX=$(mktemp -d)
work=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX" "$work"' EXIT
# The first start of wine sets up its prefix; do it once, before the tests time anything.
wineboot --init >/dev/null 2>&1 || true

cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DMW_WARNINGS_AS_ERRORS="${MW_WARNINGS_AS_ERRORS:-OFF}" >/dev/null
cmake --build build-win -j "$jobs"
ctest --test-dir build-win --output-on-failure -j "$jobs"

linux_cli=build/bin/modelwright-cli
windows_cli=build-win/bin/modelwright-cli.exe
[ -x "$linux_cli" ] && [ -f "$windows_cli" ] || { echo "modelwright-cli not built; round trips skipped"; exit 0; }

source scripts/checks.sh
win() { wine "$windows_cli" "$@"; }

# A catalogue with text in and beyond Windows-1252, in a folder and file with blanks and accents.
folder="$work/Modellbahn Süd"
mkdir -p "$folder"
json="$folder/Bahnhöfe und Bäume.json"
cp tests/windows/catalogue.json "$json"

check "build on Linux" "$linux_cli" build "$json" -o "$folder/linux.wo3"
check "build on Windows" win build "$json" -o "$folder/windows Ü.wo3"
check "same document bytes" cmp -s "$folder/linux.wo3" "$folder/windows Ü.wo3"
check "Windows opens the Linux document" win export "$folder/linux.wo3" -o "$folder/from linux.bdf"
check "Linux opens the Windows document" "$linux_cli" export "$folder/windows Ü.wo3" -o "$folder/from windows.bdf"
check "same parts file bytes" cmp -s "$folder/from linux.bdf" "$folder/from windows.bdf"
for language in 106 108 110 112 154; do
    for version in 156 157; do
        "$linux_cli" export "$json" -o "$work/l.bdf" --language $language --winrail $version --hexahedron 0
        win export "$json" -o "$work/w.bdf" --language $language --winrail $version --hexahedron 0
        check "parts file $language/$version identical" cmp -s "$work/l.bdf" "$work/w.bdf"
    done
done
win dump "$folder/windows Ü.wo3" > "$work/w.json"
"$linux_cli" dump "$folder/linux.wo3" > "$work/l.json"
check "same JSON dump" cmp -s "$work/l.json" "$work/w.json"

# Replacing an output file that another program holds open must fail cleanly or succeed whole.
cp "$folder/from linux.bdf" "$work/held.bdf"
before=$(sha256sum < "$work/held.bdf")
exec 3<"$work/held.bdf"
"$linux_cli" export "$json" -o "$work/expected.bdf" --language 108
if win export "$json" -o "$work/held.bdf" --language 108 2>/dev/null; then
    check "held file replaced whole" cmp -s "$work/held.bdf" "$work/expected.bdf"
else
    check "held file left as it was" test "$(sha256sum < "$work/held.bdf")" = "$before"
fi
exec 3<&-

# A damaged document: exit status 1, the message, and no output file.
head -c 40 "$folder/linux.wo3" > "$work/damaged.wo3"
set +e
win export "$work/damaged.wo3" -o "$work/never.bdf" 2> "$work/err.txt"
status=$?
set -e
check "damaged document refused with status 1" test "$status" -eq 1
check "damaged document message" grep -q "Unexpected file format." "$work/err.txt"
check "no output for a damaged document" test ! -e "$work/never.bdf"

echo "round trips: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
