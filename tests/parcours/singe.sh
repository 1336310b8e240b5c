#!/usr/bin/env bash
# The seeded monkey on the program built with the sanitizers, on a virtual screen of its own:
#   tests/parcours/singe.sh [--graines A-B] [--evenements N] [--duree SECONDES] [--attente SECONDES]
#   tests/parcours/singe.sh --rejouer FICHIER [--attente SECONDES]
# (--programme and --singe name other builds than build-san). The program's output goes to
# singe-programme.log beside the monkey; a fault is reported with the seed and the last events, and
# the events sent with that seed, kept beside the log, are what --rejouer plays again.
set -euo pipefail
racine=$(cd "$(dirname "$0")/../.." && pwd)
programme=$racine/build-san/shell/vastrelle
singe=$racine/build-san/tests/parcours/singe
options=()
while [ $# -gt 0 ]; do
  case $1 in
    --programme) programme=$2; shift 2 ;;
    --singe) singe=$2; shift 2 ;;
    *) options+=("$1"); shift ;;
  esac
done

# The calculator the program may start is a stand-in that opens no window.
attrapes=$(mktemp -d)
trap 'rm -rf "$attrapes"' EXIT
printf '#!/bin/sh\n' > "$attrapes/gnome-calculator"
chmod +x "$attrapes/gnome-calculator"
export PATH=$attrapes:$PATH
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$racine/scripts/qt_fuites.supp}

xvfb-run -a -s "-screen 0 1024x768x24" "$singe" "$programme" \
  --journal "$(dirname "$singe")/singe-programme.log" "${options[@]}"
