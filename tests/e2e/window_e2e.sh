#!/usr/bin/env bash
# The real program in a real X server (Xvfb) under a window manager (openbox), checked as a user
# sees it: title, client size, centred, fixed size, no maximise, typing changes the results and
# typing the old value back restores them, Alt+F4 ends the process.
#
#   window_e2e.sh PROGRAM OUTPUT_DIR    (writes OUTPUT_DIR/tollvane-window.png)
set -uo pipefail

program=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
pids=()

cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  sleep 0.2
  for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM  # a killed test still cleans up, through the EXIT trap

failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
fail_now() { echo "FAILED: $*"; exit 1; }

wait_for() {  # wait_for SECONDS COMMAND...: polls every 0.1 s
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

# A display of our own: Xvfb picks a free number and writes it to the descriptor.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
wait_for 10 test -s "$work/display" || fail_now "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"
unset WAYLAND_DISPLAY
export XDG_RUNTIME_DIR="$work"

openbox --config-file "$here/openbox-rc.xml" >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
  fail_now "openbox did not start"

"$program" >"$work/program.log" 2>&1 &
app=$!
pids+=("$app")
wait_for 15 xdotool search --onlyvisible --pid "$app" --name '^Tollvane$' ||
  fail_now "no window appeared: $(cat "$work/program.log")"
win=$(xdotool search --onlyvisible --pid "$app" --name '^Tollvane$' | head -n 1)
sleep 0.5  # let the window manager finish framing it

geometry() {  # prints: x y width height of the client area, in root coordinates
  xwininfo -id "$win" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                             /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}
read -r x y w h < <(geometry)
read -r fl fr ft fb < <(xprop -id "$win" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
echo "client ${w}x${h} at $x,$y; frame extents $fl $fr $ft $fb"

check 'title is "Tollvane"' test "$(xdotool getwindowname "$win")" = Tollvane
check "client area is 540 x 181" test "${w}x${h}" = 540x181

# Centred: the frame's centre, or where the program could not know the frame yet the client
# area's, lies at the screen's centre.
centred() {
  local cx=$((x - fl + (w + fl + fr) / 2)) cy=$((y - ft + (h + ft + fb) / 2))
  local ix=$((x + w / 2)) iy=$((y + h / 2))
  local near=$(((ft > fb ? ft : fb) + 2))
  [ $((cx > 640 ? cx - 640 : 640 - cx)) -le 2 ] && [ $((cy > 512 ? cy - 512 : 512 - cy)) -le "$near" ] ||
    [ $((ix > 640 ? ix - 640 : 640 - ix)) -le 2 ] && [ $((iy > 512 ? iy - 512 : 512 - iy)) -le 2 ]
}
check "centred on the screen" centred

actions=$(xprop -id "$win" _NET_WM_ALLOWED_ACTIONS)
check "the window manager offers no resize" sh -c "! echo '$actions' | grep -q _NET_WM_ACTION_RESIZE"
check "the window manager offers no maximise" sh -c "! echo '$actions' | grep -q MAXIMIZE"
xdotool windowsize "$win" 800 400
wmctrl -i -r "$win" -b add,maximized_vert,maximized_horz
sleep 0.5
read -r _ _ w2 h2 < <(geometry)
check "resizing and maximising leave 540 x 181" test "${w2}x${h2}" = 540x181

# The screenshot: the window with its frame, as a user sees it.
read -r x y w h < <(geometry)
shot() {
  import -window root -crop "$((w + fl + fr))x$((h + ft + fb))+$((x - fl))+$((y - ft))" "$1"
  mogrify +repage "$1"
}
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
sleep 0.3
shot "$work/opening.png"
mkdir -p "$out" && cp "$work/opening.png" "$out/tollvane-window.png"

# Tab from the check box to the drive size, type a new size: the results change. Typing the
# old size back gives exactly the opening picture again.
xdotool key Tab End BackSpace BackSpace
xdotool type --delay 30 120
sleep 0.3
shot "$work/typed.png"
# Compares the results below the options strip; the inputs show focus and a blinking cursor.
results() { convert "$1" +repage -crop "${w}x$((h - 36))+${fl}+$((ft + 36))" +repage "$1.results.png"; }
differs() {
  results "$1" && results "$2"
  [ "$(compare -metric AE "$1.results.png" "$2.results.png" null: 2>&1)" != 0 ]
}
same() { ! differs "$1" "$2"; }
check "typing a drive size changes the results" differs "$work/opening.png" "$work/typed.png"
xdotool key BackSpace BackSpace BackSpace
xdotool type --delay 30 20
sleep 0.3
shot "$work/restored.png"
check "typing 20 back restores every cell" same "$work/opening.png" "$work/restored.png"

xdotool key alt+F4 2>/dev/null  # the window may be gone before the key is up
check "Alt+F4 ends the program" wait_for 5 sh -c "! kill -0 $app"

[ $failures -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all checks passed; screenshot: $out/tollvane-window.png"
