#!/usr/bin/env bash
# Erasing as a person does it, under a real X server and window manager:
# two lines drawn across each other, E, a click where they cross, and
# SIGKILL 150 ms after the click. The upper line is gone from the file, the
# lower one is there; started again, the screen shows exactly that.
# Usage: erase_test.sh <path to Veldrin>
set -euo pipefail
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/x_server.sh"

start_gui_test 1024x768


rows() { sqlite3 Veldrin.dat "SELECT objData FROM Objects ORDER BY rowid" 2>/dev/null; }

# screen_shows "yes no": polls until the lower line (at 350,325) and the
# upper one (at 350,475), away from where they cross, show as said.
screen_shows() {
    local want=($1) tries got
    for tries in $(seq 1 40); do
        got=()
        if dark_at 350 325; then got+=(yes); else got+=(no); fi
        if dark_at 350 475; then got+=(yes); else got+=(no); fi
        [ "${got[*]}" = "${want[*]}" ] && return 0
        sleep 0.25
    done
    fail "the screen shows '${got[*]}', not '$1' (file: $(rows | tr '\n' ' '))"
}

start_program
xdotool windowactivate --sync "$window" key --clearmodifiers ctrl+1
xdotool mousemove --sync 300 300 click 1 mousemove --sync 700 500 click 1
xdotool mousemove --sync 300 500 click 1 mousemove --sync 700 300 click 1
wait_for_rows 2
screen_shows "yes yes"
lower="$(rows | head -n 1)"

xdotool windowactivate --sync "$window" key --clearmodifiers e
xdotool mousemove --sync 500 400 click 1
sleep 0.15
kill -KILL "$program_pid"
status=0
wait "$program_pid" 2>/dev/null || status=$?
[ "$status" = 137 ] || fail "the program ended with status $status before it was killed"
[ "$(rows)" = "$lower" ] || fail "after the kill the file holds '$(rows | tr '\n' ' ')', not the lower line alone"

start_program
screen_shows "yes no"
close_program
echo "PASS: the line erased where two cross is the upper one, gone for good 150 ms after the click"
