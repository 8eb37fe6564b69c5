#!/usr/bin/env bash
# Drives the real application on a real X server with a tray (icewm): the tray icon, its menu and
# popup, the About window above the main window, quitting from the tray and quitting by closing
# the last window. Usage: tests/desktop/tray.sh [build dir] [display number]
# Needs Xvfb, icewm, xdotool, xwininfo and xprop. Exits non-zero on the first failed check.
set -euo pipefail

build=${1:-build}
display=${2:-99}
export DISPLAY=":$display"
work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config"
pids=()

app=
cleanup() {
    [ -z "$app" ] || kill "$app" 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

# A display that is already up (with its window manager) is used as it is.
if ! xdotool getdisplaygeometry >/dev/null 2>&1; then
    Xvfb "$DISPLAY" -screen 0 1280x800x24 >/dev/null 2>&1 & pids+=($!)
    sleep 1
    icewm >/dev/null 2>&1 & pids+=($!)
    sleep 2
fi

# The application's window embedded in the tray: its centre, in root coordinates.
tray_icon_centre() {
    xwininfo -root -tree | awk '/"pillowrock" "Pillowrock"/ && $0 ~ /[0-9]+x[0-9]+\+[0-9]+\+[0-9]+ +\+[0-9]+\+[0-9]+/ {
        for (i = 1; i <= NF; ++i) if ($i ~ /^[0-9]+x[0-9]+\+/) { split($i, s, /[x+]/) }
        split($NF, p, "+")
        if (s[1] <= 64 && s[2] <= 64) { print p[2] + int(s[1] / 2), p[3] + int(s[2] / 2); exit }
    }'
}

start_app() {
    "$build/pillowrock" >"$work/out" 2>"$work/err" &
    app=$!
    for _ in $(seq 50); do
        [ -n "$(tray_icon_centre)" ] && return 0
        sleep 0.1
    done
    fail "no tray icon appeared"
}

wait_for_exit() {
    for _ in $(seq 50); do
        if ! kill -0 "$app" 2>/dev/null; then
            wait "$app"
            return $?
        fi
        sleep 0.1
    done
    kill "$app"
    fail "$1: the application is still running"
}

start_app
read -r x y < <(tray_icon_centre)
pass "tray icon at $x,$y"

# Chooses from the tray icon's menu by keyboard: Up from the bottom, the separator is skipped.
choose_from_menu() {
    xdotool mousemove "$x" "$y" click 3
    sleep 0.7
    for _ in $(seq "$1"); do xdotool key Up; done
    xdotool key Return
    sleep 0.7
}

choose_from_menu 2
[ "$(cat "$work/out")" = "Do stuff" ] || fail "Do Stuff printed: $(cat "$work/out")"
pass "Do Stuff prints exactly one line"

xdotool mousemove "$x" "$y" click 1
sleep 0.7
[ -z "$(xdotool search --onlyvisible --name '^About Pillowrock$' 2>/dev/null)" ] ||
    fail "an About window was open too early"
xwininfo -root -tree | grep -q '"pillowrock" "Pillowrock").* 200x200+' ||
    fail "no 200x200 popup after a left click"
xdotool key space
sleep 1
about=$(xdotool search --onlyvisible --name '^About Pillowrock$' | head -1 || true)
[ -n "$about" ] || fail "the popup's About... opened no About window"
xprop -id "$about" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "About is not kept above"
main=$(xdotool search --onlyvisible --name '^Pillowrock$' | head -1)
# Whether the first window is stacked above the second.
stacked_above() {
    local upper=0 lower=0 i=0
    for id in $(xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | cut -d'#' -f2); do
        i=$((i + 1))
        [ $((id)) -eq "$1" ] && upper=$i
        [ $((id)) -eq "$2" ] && lower=$i
    done
    [ "$upper" -gt "$lower" ]
}
stacked_above "$about" "$main" || fail "About is not above the main window"
xdotool windowactivate --sync "$main"
sleep 0.5
stacked_above "$about" "$main" || fail "About fell below the activated main window"
pass "About opens above the main window and stays there"

choose_from_menu 1
wait_for_exit "Quit" || fail "Quit ended with status $?"
pass "Quit ends the application with status 0, main and About windows open"

start_app
main=$(xdotool search --onlyvisible --name '^Pillowrock$' | head -1)
xdotool windowactivate --sync "$main" key --clearmodifiers alt+F4
wait_for_exit "closing the last window" || fail "closing the last window ended with status $?"
pass "closing the last window quits with the tray icon present"
if grep -v XDG_RUNTIME_DIR "$work/err" | grep -q .; then fail "stderr: $(cat "$work/err")"; fi
echo "all desktop checks passed"
