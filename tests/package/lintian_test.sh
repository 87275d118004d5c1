#!/usr/bin/env bash
# Makes the package as scripts/package does and runs lintian on it: no
# error, warning or info tag may remain (the README says why the one
# pedantic, experimental remark is kept). Also checks what the package says
# about itself: its dependencies, no maintainer scripts, and the licence,
# changelog, man page and MIME type where Debian keeps them.
# Usage: lintian_test.sh <source folder>
set -euo pipefail
top="$1"

fail() { echo "FAIL: $*" >&2; exit 1; }

log="$(mktemp)"
trap 'rm -f "$log"' EXIT
# The release build's compiler output is noise here; it is shown when it fails.
"$top/scripts/package" >"$log" 2>&1 || { cat "$log" >&2; fail "scripts/package failed"; }
package="$(tail -n 1 "$log")"
[ -f "$package" ] || fail "scripts/package named no package: $package"

lintian --fail-on error,warning,info --display-info --tag-display-limit 0 "$package" ||
    fail "lintian reports the tags above"

depends="$(dpkg-deb -f "$package" Depends)"
for needed in fonts-liberation qt6-wayland libqt6widgets6 libsqlite3-0; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "the package does not depend on $needed: $depends"
done
scripts="$(dpkg-deb -I "$package" | sed -n 's/^ *[0-9]* bytes, *[0-9]* lines *\** *\([a-z]*\) .*/\1/p')"
[ -z "$(grep -vx -e control -e md5sums <<<"$scripts")" ] || fail "the package has maintainer scripts: $scripts"
contents="$(dpkg-deb -c "$package")"
for file in usr/share/doc/tarnwick/copyright usr/share/doc/tarnwick/changelog.gz \
            usr/share/man/man1/tarnwick.1.gz usr/share/mime/packages/org.tarnwick.Tarnwick.xml; do
    grep -q " \./$file\$" <<<"$contents" || fail "the package lacks /$file"
done
echo "PASS: lintian finds no errors or warnings in $(basename "$package")"
