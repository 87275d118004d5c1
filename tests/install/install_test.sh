#!/usr/bin/env bash
# `cmake --install` of this build into a scratch prefix, which is then moved
# elsewhere: the files lie where menus, icon themes, MIME databases,
# software centres and man look for them and pass their validators; the
# command on the PATH answers and refuses without a display and makes no
# file; the program started through it from an unrelated folder runs from
# the moved prefix alone and keeps Veldrin.dat in that folder; and started
# through its desktop entry on a private X server, as a menu and a file
# manager start it, it works in the documents folder's Tarnwick/ and in
# the folder of the Veldrin.dat opened. The window has no mode that ends by
# itself, so the program is stopped (SIGTERM) once it runs.
# Usage: install_test.sh <build folder> <leak suppressions>
set -euo pipefail
build="$1"
id=org.tarnwick.Tarnwick
source "$(dirname "${BASH_SOURCE[0]}")/../gui/x_server.sh"
scratch="$(realpath "$(mktemp -d)")"
program_pid=""
trap '[ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null; stop_x_server; rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -s "$scratch/program.log" ] && sed 's/^/program: /' "$scratch/program.log" >&2
    exit 1
}

cmake --install "$build" --prefix "$scratch/installed" >/dev/null || fail "cmake --install failed"
mv "$scratch/installed" "$scratch/prefix"
prefix="$scratch/prefix"
folder="$prefix/lib/tarnwick"
libraries=(ZUtilitiesCOM.DLL ZDrawSp.DLL ZDrawTools.DLL ZISqllite.DLL libtarnwick_port.so)

for file in "${libraries[@]/#/lib/tarnwick/}" share/applications/$id.desktop \
            share/metainfo/$id.metainfo.xml share/man/man1/tarnwick.1.gz share/mime/packages/$id.xml \
            share/doc/tarnwick/copyright share/doc/tarnwick/changelog.gz; do
    [ -f "$prefix/$file" ] || fail "$file is not installed"
done
for file in bin/tarnwick lib/tarnwick/Veldrin; do
    [ -f "$prefix/$file" ] && [ -x "$prefix/$file" ] || fail "$file is not an installed program"
done
# The build folder must not be named in any installed library search path.
for file in Veldrin "${libraries[@]}"; do
    search="$(readelf -d "$folder/$file" | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]/\2/p')"
    [ "$search" = '$ORIGIN' ] || fail "$file searches '$search' for libraries, not \$ORIGIN alone"
done

entry="$prefix/share/applications/$id.desktop"
report="$(desktop-file-validate "$entry" 2>&1)" || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate warns: $report"
grep -qx "Icon=$id" "$entry" || fail "the desktop entry does not name the icon $id"
command="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")"
[ -x "$prefix/bin/$command" ] || fail "the desktop entry runs '$command', which is not installed in bin"
grep -qx "MimeType=application/x-tarnwick-drawings;" "$entry" || fail "the desktop entry opens no Veldrin.dat"

metainfo="$prefix/share/metainfo/$id.metainfo.xml"
report="$(appstreamcli validate --no-net --strict "$metainfo" 2>&1)" || fail "appstreamcli validate: $report"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"

manual="$prefix/share/man/man1/tarnwick.1.gz"
report="$(zcat "$manual" | groff -man -ww -z 2>&1)"
[ -z "$report" ] || fail "groff warns about the man page: $report"
lexgrog "$manual" | grep -q ': "tarnwick - ' || fail "man's index cannot read the NAME section"
for file in Veldrin.dat-unsaved Veldrin.dat-wal Veldrin.dat-shm /usr/lib/tarnwick/ /usr/bin/tarnwick \
            Documents/Tarnwick; do
    zcat "$manual" | sed -n '/^\.SH FILES/,/^\.SH /p' | sed 's/\\//g' | grep -qF "$file" ||
        fail "the man page's FILES does not name $file"
done

# The MIME type, compiled as the system's trigger compiles it, names a file
# called Veldrin.dat and no other SQLite database.
XDG_DATA_DIRS="$prefix/share:/usr/share" update-mime-database "$prefix/share/mime" ||
    fail "update-mime-database refused the MIME type"
mkdir -p "$scratch/typed/folder"
sqlite3 "$scratch/typed/folder/Veldrin.dat" 'CREATE TABLE Objects (pageNumber INTEGER, objData TEXT, objType INTEGER)'
cp "$scratch/typed/folder/Veldrin.dat" "$scratch/typed/folder/other.dat"
type_of() {
    XDG_DATA_HOME="$scratch/no-data" XDG_DATA_DIRS="$prefix/share:/usr/share" \
        gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'
}
[ "$(type_of "$scratch/typed/folder/Veldrin.dat")" = application/x-tarnwick-drawings ] ||
    fail "Veldrin.dat is of type '$(type_of "$scratch/typed/folder/Veldrin.dat")'"
[ "$(type_of "$scratch/typed/folder/other.dat")" != application/x-tarnwick-drawings ] ||
    fail "other.dat is taken for Tarnwick's drawings"

# Each size is square, with a clear corner and an opaque middle.
for size in 16 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$icon" ] || fail "no ${size}x${size} icon"
    looks="$(identify -format '%w %h' "$icon") $(convert "$icon" -format '%[fx:p{0,0}.a] %[fx:p{w/2,h/2}.a]' info:)"
    [ "$looks" = "$size $size 0 1" ] || fail "the ${size}x${size} icon's width, height, corner and middle alpha are '$looks'"
done

export LSAN_OPTIONS="suppressions=$2:print_suppressions=0"

# The command without a display: each row the arguments, the exit code and
# what the output starts with or the one error line holds. None makes a file.
mkdir "$scratch/quiet" "$scratch/home"
cd "$scratch/quiet"
while IFS='|' read -r arguments code out err; do
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_CONFIG_HOME HOME="$scratch/home" \
        PATH="$prefix/bin:$PATH" tarnwick $arguments >"$scratch/out" 2>"$scratch/err" || status=$?
    [ "$status" -eq "$code" ] || fail "tarnwick $arguments ended with $status, not $code: $(cat "$scratch/err")"
    [ -z "$out" ] || head -c "${#out}" "$scratch/out" | grep -qxF "$out" ||
        fail "tarnwick $arguments wrote '$(head -n 1 "$scratch/out")'"
    [ -n "$out" ] || [ ! -s "$scratch/out" ] || fail "tarnwick $arguments wrote '$(cat "$scratch/out")'"
    if [ -z "$err" ]; then
        [ ! -s "$scratch/err" ] || fail "tarnwick $arguments complained: $(cat "$scratch/err")"
    else
        [ "$(wc -l <"$scratch/err")" -eq 1 ] && grep -qF -- "$err" "$scratch/err" ||
            fail "tarnwick $arguments said '$(cat "$scratch/err")', not one line with '$err'"
    fi
    [ -z "$(ls -A)" ] || fail "tarnwick $arguments made $(ls -A)"
done <<'ROWS'
--help|0|Usage: tarnwick [OPTION]...|
-h|0|Usage: tarnwick [OPTION]...|
--version|0|tarnwick 1.00|
--bogus|2||unknown option '--bogus' (see tarnwick --help)
--export-pdf|2||--export-pdf needs a value
/nowhere/at/all|2||is not there
|1||no display to show the window on
--documents|1||--export-pdf works without one
ROWS
[ -z "$(ls -A "$scratch/home")" ] || fail "a command without a display made $(ls -A "$scratch/home")"

# The program, from a folder of its own, through the PATH.
mkdir "$scratch/drawings"
cd "$scratch/drawings"
PATH="$prefix/bin:$PATH" tarnwick >"$scratch/program.log" 2>&1 &
program_pid=$!
loaded() {
    local maps library
    maps="$(cat "/proc/$program_pid/maps" 2>/dev/null)" || return 1
    for library in "${libraries[@]}"; do grep -q " $folder/$library\$" <<<"$maps" || return 1; done
}
tries=0
until [ -s Veldrin.dat ] && loaded; do
    kill -0 "$program_pid" 2>/dev/null || fail "the installed program ended at start"
    tries=$((tries + 1))
    [ "$tries" -lt 200 ] || fail "the installed program did not load its libraries from $folder and open Veldrin.dat"
    sleep 0.1
done
[ "$(readlink "/proc/$program_pid/exe")" = "$folder/Veldrin" ] || fail "the launcher did not start $folder/Veldrin"
kill -TERM "$program_pid"
status=0
wait "$program_pid" || status=$?
program_pid=""
[ "$status" -eq 143 ] || fail "the program ended with $status, not by SIGTERM"
tables="$(sqlite3 Veldrin.dat .tables | xargs)"
[ "$tables" = "Objects Pages" ] || fail "Veldrin.dat holds the tables '$tables'"

# Through the desktop entry, as a desktop starts it, on a private X server
# with the platform Qt picks by itself: from the menu it works in Tarnwick/
# of the documents folder that user-dirs.dirs names (made now); a file
# manager opening a Veldrin.dat starts it in that file's folder.
start_x_server 1280x800 || fail "no X server for the desktop entry"
export HOME="$scratch/desktop-home" XDG_DATA_HOME="$scratch/no-data" XDG_DATA_DIRS="$prefix/share:/usr/share"
export XDG_CONFIG_HOME="$HOME/.config" PATH="$prefix/bin:$PATH"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
mkdir -p "$XDG_CONFIG_HOME" "$scratch/plans"
echo 'XDG_DOCUMENTS_DIR="$HOME/Papers"' >"$XDG_CONFIG_HOME/user-dirs.dirs"
cp "$scratch/drawings/Veldrin.dat" "$scratch/plans/Veldrin.dat"
update-desktop-database "$prefix/share/applications" 2>/dev/null || true

# started_by_desktop FOLDER COMMAND...: runs the command (which hands the
# start to the desktop entry and returns), finds the program by its
# window, checks it works in FOLDER, and ends it.
started_by_desktop() {
    local expected="$1" window
    shift
    "$@" >"$scratch/program.log" 2>&1 || fail "$* failed"
    window="$(wait_for_window 'Tarnwick v1.00')"
    [ -n "$window" ] || fail "$* showed no window"
    program_pid="$(xdotool getwindowpid "$window")"
    [ "$(readlink "/proc/$program_pid/exe")" = "$folder/Veldrin" ] || fail "$* did not start $folder/Veldrin"
    [ "$(readlink "/proc/$program_pid/cwd")" = "$expected" ] ||
        fail "$* works in $(readlink "/proc/$program_pid/cwd"), not $expected"
    kill -TERM "$program_pid"
    wait_for_exit "$program_pid" 20 || fail "$* did not end on SIGTERM"
    program_pid=""
}
started_by_desktop "$HOME/Papers/Tarnwick" gio launch "$entry"
[ -s "$HOME/Papers/Tarnwick/Veldrin.dat" ] || fail "the menu start made no Veldrin.dat in $HOME/Papers/Tarnwick"
started_by_desktop "$scratch/plans" gio open "$scratch/plans/Veldrin.dat"
echo "PASS: installed, valid, and started from $scratch/drawings, the menu and a file manager"
