#!/usr/bin/env bash
# Tests the Windows window program under wine, against the Qt for Windows in the cache of
# scripts/build-qt-windows.sh: cross-builds it with its window tests and packages
# (scripts/package-windows.sh), runs the Qt Test programs with the offscreen screen, walks the
# real program on a virtual X server (sample catalogue, building dialog, options, export,
# screenshots in build-win-gui/screenshots), and installs, starts and removes both packages.
# Each wine run has a time limit; wine's prefix is a temporary folder of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${MW_WINDOWS_GUI_PACKAGES[@]}" "${MW_SCREEN_PACKAGES[@]}"

qt=$(scripts/build-qt-windows.sh --prefix)
[ -f "$qt/.complete" ] || { echo "No Qt for Windows in $qt: run scripts/build-qt-windows.sh first." >&2; exit 2; }

started=$(date +%s)
build=build-win-gui
shots=$(readlink -f "$build")/screenshots
export WINEDEBUG=-all WINEARCH=win64
export WINEPREFIX=$(mktemp -d --tmpdir modelwright-wine.XXXXXX)
work=$(mktemp -d --tmpdir modelwright-windows-gui.XXXXXX)
xvfb=
app=
clean_up() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    timeout 30 wineserver -k >/dev/null 2>&1
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$WINEPREFIX" "$work"
}
trap clean_up EXIT

source scripts/checks.sh
# Every wine run ends within its limit, however it goes.
limit() { timeout --kill-after=10 "$@"; }

echo "== Build and packages"
MW_WARNINGS_AS_ERRORS=${MW_WARNINGS_AS_ERRORS:-ON} scripts/package-windows.sh --with-tests
version=$(sed -n 's/^project(Modelwright VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
# The parts file of the walk is compared with this machine's command-line tool.
[ -f build/CMakeCache.txt ] && cmake --build build --target modelwright-cli >/dev/null
linux_cli=$(readlink -f build/bin/modelwright-cli)

echo "== Wine's prefix"
limit 300 wineboot --init >/dev/null 2>&1 || true
# Wine has no Windows fonts, and its own Tahoma is not among the faces Qt is offered: named
# there, Qt falls back to the first face it knows, a math face under whose metrics edit fields
# draw no text. The dialogs' faces are DejaVu Sans, which wine takes from the system.
for face in 'MS Shell Dlg' 'MS Shell Dlg 2' 'Segoe UI'; do
    limit 60 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d 'DejaVu Sans' /f >/dev/null 2>&1 || true
done
dll_path="Z:$qt/bin"
for dll in libstdc++-6.dll libwinpthread-1.dll; do
    dll_path+=";Z:$(dirname "$(readlink -f "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)")")"
done

# Wine makes Qt's hidden message windows through its X driver, offscreen screen or not.
display=:$((70 + $$ % 9))
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
sleep 1

echo "== Qt Test programs under wine"
# All of tests/ui and tests/app run; the reason for each left out stands here:
# - app/tst_mainframe_at_200_percent: the same test once more at double density, for Linux's
#   screenshots; the Windows build's pictures at 2x are checked by the toolbar test at 2.0.
skipped='^app/tst_mainframe_at_200_percent$'
windows_tests_status=0
limit 900 ctest --test-dir "$build" -R '^(ui|app)/' -E "$skipped" --output-on-failure --timeout 120 -j "$(nproc)" ||
    windows_tests_status=$?
check "Qt Test programs pass under wine" test "$windows_tests_status" -eq 0

echo "== The program on a virtual screen"
mkdir -p "$shots"
# Waits for a window whose title matches and gives it the keyboard; false when none comes.
window() {
    local id=
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1) && [ -n "$id" ] && break
        sleep 0.2
    done
    [ -n "$id" ] || { echo "no window '$1'" >&2; return 1; }
    xdotool windowactivate --sync "$id" >/dev/null 2>&1 || xdotool windowfocus --sync "$id" 2>/dev/null || true
    sleep 0.5
}
shot() { sleep 1; import -window root "$shots/$1.png"; }
program_exited() {
    for _ in $(seq 100); do
        kill -0 "$app" 2>/dev/null || { app=; return 0; }
        sleep 0.2
    done
    return 1
}
start_program() {
    WINEPATH=$dll_path limit 300 env -u QT_QPA_PLATFORM wine "$@" >/dev/null 2>&1 &
    app=$!
}

cp examples/country-station.wo3 "$work/"
start_program "$build/bin/modelwright.exe" /nologo "Z:$work/country-station.wo3"
if window "country-station.wo3 - Winrail Modelwright"; then
    shot windows_main_window
    # The station building, found through the filter (Ctrl+F: the table has the keyboard after
    # opening) and chosen from the table, which Down enters with the first match.
    xdotool key ctrl+f
    xdotool type --delay 20 "Station building"
    xdotool key Down alt+i
    check "a part's dialog opens" window "Building edit dialog"
    shot windows_building_dialog
    xdotool key Escape
    window "country-station.wo3 - Winrail Modelwright"
    # The bug fix of the options goes off: the registry must keep it.
    xdotool key alt+o Return
    check "the options open" window "^Options$"
    # An access key clicks its check box a moment later, with a pressed look in between: an
    # OK at once would come first. The picture waits for it.
    xdotool key alt+u
    shot windows_options
    xdotool key Return
    window "country-station.wo3 - Winrail Modelwright"
    xdotool key alt+x
    check "the export asks for a file" window "^Export parts file"
    shot windows_export_dialog
    # The first export proposes the catalogue's name beside it.
    xdotool key Return
    for _ in $(seq 50); do [ -s "$work/country-station.bdf" ] && break; sleep 0.2; done
    "$linux_cli" export examples/country-station.wo3 -o "$work/linux.bdf" --language 112 --winrail 157 --hexahedron 0
    check "the exported parts file equals Linux's byte for byte" cmp "$work/country-station.bdf" "$work/linux.bdf"
    window "country-station.wo3 - Winrail Modelwright"
    shot windows_exported
    xdotool key alt+f x
    check "the program ends" program_exited
    registry=$(limit 60 wine reg query 'HKCU\Software\Modelwright Project\Modelwright' 2>/dev/null | tr -d '\r')
    check "the option set in the window is in the registry" grep -Eq 'HexahedronBugfix +REG_DWORD +0x0$' <<<"$registry"
    check "the language is a number in the registry" grep -Eq 'Language +REG_DWORD +0x70$' <<<"$registry"
    check "the Winrail version is a number in the registry" grep -Eq 'WinrailVersion +REG_DWORD +0x9d$' <<<"$registry"
else
    check "the program shows its main window" false
fi
[ -n "$app" ] && kill "$app" 2>/dev/null
app=

echo "== Packages"
# What the prefix holds before: the uninstaller must bring it back to this.
limit 60 wineserver -w || true
find "$WINEPREFIX/drive_c" -path '*/Temp' -prune -o -print | sort > "$work/before.txt"

unzip -q "$build/packages/modelwright-$version-win64.zip" -d "$work/portable"
portable=$work/portable/modelwright-$version-win64
check "the zip holds the program and Qt's screen plugin" \
    test -f "$portable/modelwright.exe" -a -f "$portable/plugins/platforms/qwindows.dll" -a -f "$portable/licences/Qt-NOTICE.txt"
check "the zip holds Qt's own texts beside the program's" test -f "$portable/qtbase_de.qm" -a -f "$portable/ModelwrightDEU.qm"
check "the portable program answers --version" \
    grep -qx "modelwright $version" <(limit 60 wine "$portable/modelwright.exe" --version 2>/dev/null | tr -d '\r')
start_program "$portable/modelwright.exe" /nologo
check "the portable program shows its window" window "Untitled - Winrail Modelwright"
shot windows_portable
xdotool key alt+f x
check "the portable program ends" program_exited

check "the installer runs silently" limit 300 wine "$build/packages/modelwright-$version-setup.exe" /S
limit 60 wineserver -w || true
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Modelwright'
location=$(limit 60 wine reg query "$key" /v InstallLocation 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p')
installed=$(limit 60 winepath -u "$location" 2>/dev/null || true)
check "installed for the user, no administrator" grep -q 'AppData.Local.Programs.Modelwright' <<<"$location"
check "the installed program answers --version" \
    grep -qx "modelwright $version" <(limit 60 wine "$installed/modelwright.exe" --version 2>/dev/null | tr -d '\r')
start_program "$installed/modelwright.exe" /nologo
check "the installed program shows its window" window "Untitled - Winrail Modelwright"
xdotool key alt+f x
check "the installed program ends" program_exited
classes=$(limit 60 wine reg query 'HKCU\Software\Classes\.wo3' 2>/dev/null | tr -d '\r')
command=$(limit 60 wine reg query 'HKCU\Software\Classes\WO3\shell\open\command' 2>/dev/null | tr -d '\r')
check ".wo3 is a Winrail Object Document" grep -q 'REG_SZ *WO3$' <<<"$classes"
check ".wo3 opens with the installed program" grep -qi 'modelwright.exe" "%1"' <<<"$command"
check "the Start menu has the program" \
    test -n "$(find "$WINEPREFIX/drive_c/users" -path '*Start Menu/Programs/Modelwright.lnk' 2>/dev/null)"

check "the uninstaller runs silently" limit 300 wine "$installed/Uninstall.exe" /S
# The uninstaller goes on from a copy of itself; it has ended when wine has.
limit 120 wineserver -w || true
find "$WINEPREFIX/drive_c" -path '*/Temp' -prune -o -print | sort > "$work/after.txt"
check "the uninstaller leaves no file" diff "$work/before.txt" "$work/after.txt"
check "the uninstaller leaves no file type" bash -c "! wine reg query 'HKCU\\Software\\Classes\\WO3' >/dev/null 2>&1"
check "the uninstaller leaves no extension" bash -c "! wine reg query 'HKCU\\Software\\Classes\\.wo3' >/dev/null 2>&1"
check "the uninstaller leaves no uninstall entry" bash -c "! wine reg query '$key' >/dev/null 2>&1"

echo "screenshots in $shots"
echo "Windows window-program stage: $passes passed, $failures failed in $(($(date +%s) - started)) s"
[ "$failures" -eq 0 ]
