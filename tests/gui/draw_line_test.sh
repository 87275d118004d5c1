#!/usr/bin/env bash
# The program under a real X server and window manager, driven as a person
# drives it: Ctrl+1, two clicks on the canvas, close the window; the line is
# a row of Veldrin.dat. Started again, the line is on the screen.
# Usage: draw_line_test.sh <path to Veldrin>
set -euo pipefail
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/x_server.sh"

start_gui_test 1024x768

# The canvas fills the window below the toolbar; these points lie on it.
from_x=300 from_y=300 to_x=600 to_y=450

start_program
xdotool windowactivate --sync "$window" key ctrl+1
xdotool mousemove --sync "$from_x" "$from_y" click 1
xdotool mousemove --sync "$to_x" "$to_y" click 1
sleep 0.5
close_program

rows="$(sqlite3 Veldrin.dat 'SELECT pageNumber, objType FROM Objects')"
[ "$rows" = "1|1" ] || fail "expected one line on page 1 in Veldrin.dat, found: '$rows'"

# Along the line, within a pixel of where it must run, the screen is dark.
line_shown() {
    import -window root "$work/screen.png"
    local step x y darkest
    for step in 1 2 3 4 5; do
        x=$((from_x + (to_x - from_x) * step / 6))
        y=$((from_y + (to_y - from_y) * step / 6))
        darkest="$(convert "$work/screen.png" -crop "3x3+$((x - 1))+$((y - 1))" -format '%[fx:minima.intensity]' info:)"
        awk -v value="$darkest" 'BEGIN { exit !(value < 0.25) }' || { missing="($x, $y): $darkest"; return 1; }
    done
}

start_program
for attempt in $(seq 1 20); do
    line_shown && break
    [ "$attempt" -lt 20 ] || fail "no line at $missing (darkest) after starting again"
    sleep 0.5
done
close_program
echo "PASS: the line was stored and is shown again"
