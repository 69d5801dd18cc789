# Sourced by the window tests: a display and a Wine prefix set up for driving
# the window. Starts its own Xvfb when DISPLAY is empty (killed on exit), and
# sets the prefix's DPI to $NUMORA_TEST_DPI (96 when unset). A suite with a
# prefix of its own ($WINEPREFIX) runs beside the others. $exe is the program
# scripts/target names, $exe_windows its Windows path.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
wine=("$root/scripts/wine-run")
export WINEPREFIX="${WINEPREFIX:-$root/build/wine-prefix}"
export NUMORA_TEST_DPI="${NUMORA_TEST_DPI:-96}"

if [[ -z "${DISPLAY:-}" ]]; then
    # A display no other server holds, and the one started here serving it:
    # on another's, its clipboard owners would outlive the run.
    xvfb=""
    for number in $(shuf -i 90-189); do
        [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
        Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb=$!
        for _ in $(seq 50); do
            DISPLAY=:$number xdpyinfo >/dev/null 2>&1 && break
            kill -0 $xvfb 2>/dev/null || break
            sleep 0.1
        done
        kill -0 $xvfb 2>/dev/null && break
        xvfb=""
    done
    [[ -n $xvfb ]] || { echo "wine_desktop: no display could be started" >&2; exit 1; }
    trap '"${wine[@]}" --server -k 2>/dev/null; kill $xvfb 2>/dev/null' EXIT
    export DISPLAY=:$number
fi
restart_wineserver() {
    "${wine[@]}" --server -k 2>/dev/null || true
    "${wine[@]}" --server -w 2>/dev/null || true
}
# A running wineserver keeps the display, the locale and the DPI it started
# with, and Wine 10 reads the DPI only when a desktop starts: a new server
# before the setting is written, and another after it.
restart_wineserver
"${wine[@]}" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
    /d "$NUMORA_TEST_DPI" /f >/dev/null 2>&1
restart_wineserver

exe=$("$root/scripts/target" ui/numora.exe)
exe_windows=$("$root/scripts/target" --windows ui/numora.exe 2>/dev/null)
