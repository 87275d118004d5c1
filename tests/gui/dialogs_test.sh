#!/usr/bin/env bash
# The three dialogs and printing in the running program, as a person uses
# them: T, a text, Enter and a click place the text; Ctrl+G, 7 and Enter
# move to page 7, where a new line is stored; F1 shows the help and Enter
# closes it; Alt+P and Enter in the page setup dialog print to the PDF file
# it offers. With SCREENSHOTS=<folder>, each dialog is saved there as seen.
# Usage: dialogs_test.sh <path to Veldrin>
set -euo pipefail
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/x_server.sh"

start_gui_test 1024x768
export HOME="$work"
# No print queues: the PDF printer is the one the dialog offers first.
export CUPS_SERVER="$work/no-scheduler.sock"

# wait_for_dialog TITLE: a visible window of that exact title other than
# the main window (the help dialog shares the main window's title).
wait_for_dialog() {
    local tries id
    for tries in $(seq 1 100); do
        for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
            [ "$id" != "$window" ] && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

# shoot NAME WINDOW: keeps what the window shows when SCREENSHOTS is set.
shoot() {
    [ -n "${SCREENSHOTS:-}" ] || return 0
    sleep 0.3
    import -window "$2" "$SCREENSHOTS/$1.png"
}

wait_for_gone() {
    local tries
    for tries in $(seq 1 100); do
        xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -qvx "$window" || return 0
        sleep 0.1
    done
    return 1
}

# stored QUERY: what the query on Veldrin.dat gives once it gives anything
# (empty after 10 s).
stored() {
    local tries result=""
    for tries in $(seq 1 100); do
        result="$(sqlite3 Veldrin.dat "$1" 2>/dev/null || true)"
        [ -n "$result" ] && break
        sleep 0.1
    done
    echo "$result"
}

"$program" >>"$work/program.log" 2>&1 &
program_pid=$!
window="$(wait_for_window 'Tarnwick v1.00')"
[ -n "$window" ] || fail "the main window did not appear"
wait_for_width "$window" 1024 || fail "the main window was not maximised"

# Text: the T typed into the dialog is text, not the key that opens it.
xdotool windowactivate --sync "$window" key t
dialog="$(wait_for_dialog 'Tarnwick v1\.0')" || fail "T showed no text dialog"
xdotool type --delay 50 "Tea"
shoot text-dialog "$dialog"
xdotool key Return
wait_for_gone 'Tarnwick v1\.0' || fail "Enter did not close the text dialog"
xdotool mousemove --sync 300 300 click 1
text_row="$(stored "SELECT pageNumber, objType, objData LIKE '%;Tea;' FROM Objects")"
[ "$text_row" = "1|7|1" ] || fail "expected the text 'Tea' on page 1, found '$text_row'"

# Go to page 7, and draw a line there.
xdotool windowactivate --sync "$window" key ctrl+g
dialog="$(wait_for_dialog 'Goto')" || fail "Ctrl+G showed no go-to dialog"
xdotool type --delay 50 "7"
shoot goto-dialog "$dialog"
xdotool key Return
wait_for_gone 'Goto' || fail "Enter did not close the go-to dialog"
xdotool windowactivate --sync "$window" key ctrl+1
xdotool mousemove --sync 300 400 click 1 mousemove --sync 500 400 click 1
line_page="$(stored 'SELECT pageNumber FROM Objects WHERE objType = 1')"
[ "$line_page" = "7" ] || fail "expected the line on page 7, found '$line_page'"

# Help: Enter closes it. That Esc leaves it open is for the in-process
# DialogsTest.HelpShowsItsTextAndClosesOnlyThroughOk to show: from out here
# a close that has not come yet looks the same as none.
xdotool windowactivate --sync "$window" key F1
dialog="$(wait_for_dialog 'Tarnwick v1\.00')" || fail "F1 showed no help"
shoot help-dialog "$dialog"
xdotool key Escape Return
wait_for_gone 'Tarnwick v1\.00' || fail "Enter did not close the help"

# Print page 7's line to the PDF file the page setup dialog offers. The
# program prints before it takes its next input, so once it has ended on
# the close that follows, the print job is over and the PDF whole.
xdotool windowactivate --sync "$window" key alt+p
dialog="$(wait_for_dialog 'Page Setup')" || fail "Alt+P showed no page setup dialog"
shoot page-setup-dialog "$dialog"
xdotool key Return
wait_for_gone 'Page Setup' || fail "Enter did not close the page setup dialog"

xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
wait_for_exit "$program_pid" 20 || fail "the program did not end when its window was closed"
wait "$program_pid" || fail "the program ended with an error"
pdf="$work/Tarnwick Page.pdf"
pages="$(pdfinfo "$pdf" 2>/dev/null | sed -n 's/^Pages: *//p')"
[ "$pages" = "1" ] || fail "expected a one-page PDF at $pdf, found '$pages' pages"
echo "PASS: text, go to page, help and printing work from the keyboard"
