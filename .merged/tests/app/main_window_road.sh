#!/usr/bin/env bash
# Walks the main road through the real program on a virtual X server: start, New tree, OK,
# Save, Export, with a look at the header dialog and the options sheet on the way. Every
# step leaves a screenshot of the whole screen in the screenshot folder.
#   main_window_road.sh PROGRAM [SCREENSHOT_FOLDER]
set -eu
source "$(dirname "$0")/../../scripts/deps.sh"
ensure_packages "${MW_SCREEN_PACKAGES[@]}"
program=$(readlink -f "$1")
shots=$(readlink -f "${2:-build/screenshots}")
mkdir -p "$shots"
work=$(mktemp -d)
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT

display=:$((90 + $$ % 9))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
sleep 1

shot() { sleep 1; import -window root "$shots/road_$1.png"; }
# Waits for a window whose title matches, and gives it the keyboard.
window() {
    for _ in $(seq 50); do
        id=$(xdotool search --name "$1" 2>/dev/null | tail -1) && [ -n "$id" ] && break
        sleep 0.2
    done
    [ -n "$id" ] || { echo "no window '$1'" >&2; exit 1; }
    xdotool windowfocus --sync "$id" 2>/dev/null || true
}
# Clicks a button of the main form; its layout puts the buttons at fixed places below the
# toolbar.
click() { xdotool mousemove "$1" "$2" click 1; }
type_path() { xdotool key ctrl+a; xdotool type --delay 20 "$1"; xdotool key Return; }

cd "$work"
"$program" -nologo &
app=$!
window "Untitled - Winrail Modelwright"
shot 01_start

click 259 174
window "Edit tree"
shot 02_tree_dialog
xdotool key Return
window "Untitled\* - Winrail Modelwright"
shot 03_tree_added

xdotool key ctrl+s
window "Save As"
shot 04_save_dialog
type_path "$work/garden.wo3"
window "garden.wo3 - Winrail Modelwright"
shot 05_saved
test -s "$work/garden.wo3"

click 426 232
window "Export parts file"
shot 06_export_dialog
type_path "$work/garden.bdf"
sleep 1
test -s "$work/garden.bdf"
shot 07_exported

click 259 116
window "Edit header"
shot 08_header_dialog
xdotool key Escape

window "garden.wo3 - Winrail Modelwright"
xdotool key alt+o Return
window "^Options$"
shot 09_options_sheet
xdotool key Escape

window "garden.wo3 - Winrail Modelwright"
xdotool key alt+f x
wait $app
head -c 200 "$work/garden.bdf" | grep -q Header
echo "road done: $work/garden.wo3 and $work/garden.bdf written, screenshots in $shots"
