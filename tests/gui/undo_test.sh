#!/usr/bin/env bash
# Undo and redo as a person uses them, under a real X server and window
# manager: three lines drawn, two undone, one redone; the page emptied and
# the emptying undone; then an undo followed at once by SIGKILL. Started
# again, the screen shows exactly what the file holds.
# Usage: undo_test.sh <path to Veldrin>
set -euo pipefail
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/x_server.sh"

start_gui_test 1024x768


# stored: the lines in the file, as the heights they were drawn at.
stored() { sqlite3 Veldrin.dat "SELECT objData FROM Objects ORDER BY rowid" 2>/dev/null | cut -d';' -f10 | tr '\n' ' '; }

press() { xdotool windowactivate --sync "$window" key --clearmodifiers "$@"; }

# The three lines run across the canvas at these screen heights.
heights=(200 300 400)

# shown Y: the screen is dark at the middle of the line at height Y.
shown() { dark_at 500 "$1"; }

# screen_shows "yes no no": polls until each line is shown or not as said.
screen_shows() {
    local want=($1) tries i ok
    for tries in $(seq 1 40); do
        ok=1
        for i in 0 1 2; do
            if shown "${heights[$i]}"; then [ "${want[$i]}" = yes ] || ok=0; else [ "${want[$i]}" = no ] || ok=0; fi
        done
        [ "$ok" = 1 ] && return 0
        sleep 0.25
    done
    fail "the screen does not show '$1' (file: $(stored))"
}

start_program
press ctrl+1
for y in "${heights[@]}"; do xdotool mousemove --sync 300 "$y" click 1 mousemove --sync 700 "$y" click 1; done
wait_for_rows 3
press ctrl+z ctrl+z
wait_for_rows 1
screen_shows "yes no no"
press ctrl+y
wait_for_rows 2
screen_shows "yes yes no"
before="$(stored)"

press ctrl+Delete
question="$(timeout 20 xdotool search --sync --onlyvisible --name '^Warning$' | head -n 1)"
[ -n "$question" ] || fail "Ctrl+Delete asked no question"
xdotool windowactivate --sync "$question" key --clearmodifiers Return  # Yes, the first button
wait_for_rows 0
screen_shows "no no no"
press ctrl+z
wait_for_rows 2
screen_shows "yes yes no"
[ "$(stored)" = "$before" ] || fail "the page came back as '$(stored)', not '$before'"

# Killed right after an undo: either the undo is in the file or it never
# happened, and a restart shows the file.
press ctrl+z
kill -KILL "$program_pid"
wait "$program_pid" 2>/dev/null || true
after="$(stored)"
case "$after" in
    "$before") want="yes yes no" ;;
    "$(echo "$before" | cut -d' ' -f1) ") want="yes no no" ;;
    *) fail "after the kill the file holds '$after'" ;;
esac
start_program
screen_shows "$want"
close_program
echo "PASS: undo and redo are stored at once and the screen shows the file"
