#!/usr/bin/env bash
# Runs a GoogleTest binary of window tests on Wayland: a private weston
# without a screen (headless backend, software rendering) with its own
# runtime folder and socket, the binary as its client through Qt's Wayland
# plugin, the binary's result read, and weston stopped again.
# Usage: under_weston.sh BINARY [GOOGLETEST ARGUMENTS...]
set -euo pipefail
binary="$1"
shift

runtime="$(mktemp -d)"
chmod 700 "$runtime"
socket="tarnwick-test"
weston_pid=""
stop_weston() {
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap stop_weston EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -s "$runtime/weston.log" ] && sed 's/^/weston: /' "$runtime/weston.log" >&2
    exit 1
}

XDG_RUNTIME_DIR="$runtime" weston --no-config --backend=headless-backend.so --use-pixman \
    --width=1280 --height=800 --socket="$socket" --log="$runtime/weston.log" >/dev/null 2>&1 &
weston_pid=$!
# Clients may connect once the socket is there; weston takes them in turn.
tries=0
until [ -S "$runtime/$socket" ]; do
    kill -0 "$weston_pid" 2>/dev/null || fail "weston ended while starting"
    sleep 0.1
    tries=$((tries + 1))
    [ "$tries" -lt 300 ] || fail "weston did not open its socket in 30 s"
done

export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland
unset DISPLAY
# weston's headless backend has no seat (no keyboard, no pointer). Qt's own
# Wayland text input then follows a null seat when a line edit takes a key,
# so the input method of X11 sessions (compose) is used instead.
export QT_IM_MODULE=compose

log="$runtime/tests.log"
status=0
"$binary" "$@" >"$log" 2>&1 || status=$?
cat "$log"
kill -0 "$weston_pid" 2>/dev/null || fail "weston ended during the tests"
[ "$status" -eq 0 ] || fail "$(basename "$binary") ended with status $status under weston"
grep -Eq '^\[  PASSED  \] [1-9][0-9]* tests?\.' "$log" || fail "$(basename "$binary") passed no test under weston"
echo "under weston: $(grep -E '^\[  PASSED  \]|^\[  SKIPPED \] [0-9]+ tests?,' "$log" | tr '\n' ' ')"
