#!/bin/bash
# Runs the window test programs under Wine on Xvfb, against the real numora.exe.
# Each mode has a Wine prefix and a display of its own: the modes run side by side.
# Usage: window_suite.sh default|lithuanian|dpi144 TEST.exe...
#   default     Wine's own user locale (decimal "."), 96 dpi
#   lithuanian  lt_LT.UTF-8 (decimal ",", grouping U+00A0), made with Wine's chroot
#   dpi144      the default locale on a 144 dpi screen
set -euo pipefail
mode=$1
shift
[[ $mode == dpi144 ]] && export NUMORA_TEST_DPI=144
export WINEPREFIX
WINEPREFIX="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/wine-prefix-$mode"
source "$(dirname "${BASH_SOURCE[0]}")/wine_desktop.sh"
# Each run starts with no settings kept: the defaults, whatever a run before left.
"${wine[@]}" reg delete 'HKCU\Software\Numora' /f >/dev/null 2>&1 || true

case $mode in
    default | dpi144) export LANG=C.UTF-8 ;;
    lithuanian) export LANG=lt_LT.UTF-8 ;;
    *) echo "window_suite: unknown mode $mode" >&2; exit 2 ;;
esac
# The driver starts numora.exe by its Windows path.
export NUMORA_EXE=$exe_windows
export WINEDEBUG=-all
NUMORA_GTEST_ARGS=${NUMORA_GTEST_ARGS:-}
status=0
for program in "$@"; do
    "${wine[@]}" "$program" $NUMORA_GTEST_ARGS || status=1
done
exit $status
