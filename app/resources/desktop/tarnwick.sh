#!/bin/sh
# Starts Tarnwick, installed as <prefix>/lib/tarnwick/Veldrin beside its
# libraries, from the launcher's own folder <prefix>/bin, so a moved prefix
# still works; a link to the launcher is followed first. The working folder
# is left as it is: the program keeps its drawings there, in Veldrin.dat.
launcher=$(readlink -f -- "$0") || exit 1
exec "${launcher%/*}/../lib/tarnwick/Veldrin" "$@"
