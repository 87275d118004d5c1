#!/bin/sh
# Starts Tarnwick, installed as <prefix>/lib/tarnwick/Veldrin beside its
# libraries, from the launcher's own folder <prefix>/bin, so a moved prefix
# still works; a link to the launcher is followed first. The arguments go
# on as they are: the program reads its command line itself and moves into
# the folder it names (see tarnwick --help).
launcher=$(readlink -f -- "$0") || exit 1
exec "${launcher%/*}/../lib/tarnwick/Veldrin" "$@"
