#!/usr/bin/env bash
# `cmake --install` of this build into a scratch prefix, which is then moved
# elsewhere: the files lie where menus, icon themes, software centres and
# man look for them and pass their validators, and the program started
# through the launcher on the PATH, from an unrelated folder, runs from the
# moved prefix alone and keeps Veldrin.dat in that folder. The program has
# no mode that ends by itself, so it is stopped (SIGTERM) once it runs.
# Usage: install_test.sh <build folder> <leak suppressions>
set -euo pipefail
build="$1"
id=org.tarnwick.Tarnwick
scratch="$(realpath "$(mktemp -d)")"
program_pid=""
trap '[ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null; rm -rf "$scratch"' EXIT

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
            share/metainfo/$id.metainfo.xml share/man/man1/tarnwick.1; do
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

metainfo="$prefix/share/metainfo/$id.metainfo.xml"
report="$(appstreamcli validate --no-net --strict "$metainfo" 2>&1)" || fail "appstreamcli validate: $report"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"

manual="$prefix/share/man/man1/tarnwick.1"
report="$(groff -man -ww -z "$manual" 2>&1)"
[ -z "$report" ] || fail "groff warns about the man page: $report"
lexgrog "$manual" | grep -q ': "tarnwick - ' || fail "man's index cannot read the NAME section"

# Each size is square, with a clear corner and an opaque middle.
for size in 16 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$icon" ] || fail "no ${size}x${size} icon"
    looks="$(identify -format '%w %h' "$icon") $(convert "$icon" -format '%[fx:p{0,0}.a] %[fx:p{w/2,h/2}.a]' info:)"
    [ "$looks" = "$size $size 0 1" ] || fail "the ${size}x${size} icon's width, height, corner and middle alpha are '$looks'"
done

# The program, from a folder of its own, through the PATH.
mkdir "$scratch/drawings"
cd "$scratch/drawings"
export LSAN_OPTIONS="suppressions=$2:print_suppressions=0"
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
echo "PASS: installed, valid, and started from $PWD"
