# A private X server with a window manager for one GUI test or screenshot:
# source this file, then call start_x_server; stop_x_server runs on exit.
# Needs Xvfb, openbox and xprop. GUI tests set `here` to their folder and
# call start_gui_test; they also find here how to look at the screen
# (ImageMagick) and at Veldrin.dat (sqlite3).

x_pids=()

stop_x_server() {
    local pid
    for pid in "${x_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${x_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    x_pids=()
}

# start_x_server WIDTHxHEIGHT: sets DISPLAY to a fresh server of that size
# with openbox managing its windows.
start_x_server() {
    local size="$1" displayfile
    displayfile="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$displayfile" 2>/dev/null &
    x_pids+=($!)
    local tries=0
    until [ -s "$displayfile" ]; do
        sleep 0.1
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || { echo "Xvfb did not start" >&2; return 1; }
    done
    export DISPLAY=":$(head -n 1 "$displayfile")"
    rm -f "$displayfile"
    openbox >/dev/null 2>&1 &
    x_pids+=($!)
    # The window manager is up once it announces itself on the root window.
    tries=0
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        sleep 0.1
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || { echo "openbox did not start" >&2; return 1; }
    done
}

# wait_for_window NAME: the id of the first window with that title.
wait_for_window() {
    timeout 20 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

# wait_for_exit PID SECONDS: 0 once the process has ended.
wait_for_exit() {
    local pid="$1" tries=0
    while kill -0 "$pid" 2>/dev/null; do
        sleep 0.1
        tries=$((tries + 1))
        [ "$tries" -lt $(($2 * 10)) ] || return 1
    done
}

# wait_for_width WINDOW WIDTH: 0 once the window is that wide.
wait_for_width() {
    local tries=0
    until xdotool getwindowgeometry --shell "$1" 2>/dev/null | grep -qx "WIDTH=$2"; do
        sleep 0.1
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || return 1
    done
}

# start_gui_test WIDTHxHEIGHT: a scratch working folder ($work, removed on
# exit with the X server), the program's Qt on that server, and leaks of the
# system's libraries excused in the sanitizer build. The program's output
# belongs in $work/program.log, which fail shows.
start_gui_test() {
    screen_width="${1%x*}"
    work="$(mktemp -d)"
    trap 'stop_x_server; rm -rf "$work"' EXIT
    cd "$work"
    export QT_QPA_PLATFORM=xcb
    export LSAN_OPTIONS="suppressions=$here/system_leaks.supp:print_suppressions=0"
    start_x_server "$1"
}

# start_program: the program under test ($program) started in $work, with
# its main window ($window) maximised; clicks land where they are meant to
# once the window fills the screen.
start_program() {
    "$program" >>"$work/program.log" 2>&1 &
    program_pid=$!
    window="$(wait_for_window 'Tarnwick v1.00')"
    [ -n "$window" ] || fail "the main window did not appear"
    wait_for_width "$window" "$screen_width" || fail "the main window was not maximised"
}

# close_program: Alt+F4 on the main window, and the program's own clean end.
close_program() {
    xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
    wait_for_exit "$program_pid" 20 || fail "the program did not end when its window was closed"
    wait "$program_pid" || fail "the program ended with an error"
}

fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/program.log" ] && sed 's/^/program: /' "$work/program.log" >&2
    exit 1
}

# dark_at X Y: the screen, photographed now, is dark within a pixel of (X, Y).
dark_at() {
    import -window root "$work/screen.png"
    local darkest
    darkest="$(convert "$work/screen.png" -crop "3x3+$(($1 - 1))+$(($2 - 1))" -format '%[fx:minima.intensity]' info:)"
    awk -v value="$darkest" 'BEGIN { exit !(value < 0.25) }'
}

# wait_for_rows N: polls until Veldrin.dat holds N rows.
wait_for_rows() {
    local tries
    for tries in $(seq 1 100); do
        [ "$(sqlite3 Veldrin.dat 'SELECT count(*) FROM Objects' 2>/dev/null || echo -1)" = "$1" ] && return 0
        sleep 0.1
    done
    fail "expected $1 rows in Veldrin.dat, found: $(sqlite3 Veldrin.dat 'SELECT objData FROM Objects ORDER BY rowid' 2>/dev/null | tr '\n' ' ')"
}
