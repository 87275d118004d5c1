#!/usr/bin/env bash
# A figure is stored the moment it is finished: twenty times over, the
# program draws a line and is killed with SIGKILL as soon as it has taken
# the finishing click, and started again it still has every line drawn.
# Usage: sigkill_test.sh <path to Veldrin>
set -euo pipefail
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/x_server.sh"

start_gui_test 1024x768

for round in $(seq 1 20); do
    "$program" >>"$work/program.log" 2>&1 &
    pid=$!
    window="$(wait_for_window 'Tarnwick v1.00')"
    [ -n "$window" ] || fail "round $round: the main window did not appear"
    wait_for_width "$window" 1024 || fail "round $round: the main window was not maximised"
    y=$((150 + round * 20))
    xdotool windowactivate --sync "$window" key ctrl+1
    xdotool mousemove --sync 200 "$y" click 1 mousemove --sync 700 "$y" click 1
    # The program takes its input in order, so once the go-to dialog asked
    # for after the click is up, the click has been handled. The file is
    # not looked at before the kill: the line must be in it already.
    xdotool key ctrl+g
    timeout 20 xdotool search --sync --onlyvisible --name '^Goto$' >/dev/null 2>&1 ||
        fail "round $round: no go-to dialog after the line"
    kill -KILL "$pid"
    status=0
    wait "$pid" 2>/dev/null || status=$?
    [ "$status" = 137 ] || fail "round $round: the program ended with status $status before it was killed"
    rows="$(sqlite3 Veldrin.dat 'SELECT count(*) FROM Objects WHERE objType = 1')"
    [ "$rows" = "$round" ] || fail "round $round: $rows lines stored, expected $round"
done

# Started once more, the program opens the file with every line in it.
"$program" >>"$work/program.log" 2>&1 &
pid=$!
window="$(wait_for_window 'Tarnwick v1.00')"
[ -n "$window" ] || fail "the main window did not appear after the last kill"
xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
wait_for_exit "$pid" 20 || fail "the program did not end"
wait "$pid" || fail "the program ended with an error"
rows="$(sqlite3 Veldrin.dat 'SELECT count(*) FROM Objects WHERE objType = 1')"
[ "$rows" = 20 ] || fail "after the last start $rows lines are stored, expected 20"
echo "PASS: every line survived twenty kills"
