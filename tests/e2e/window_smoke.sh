#!/bin/bash
# Drives the real numora.exe under Wine on Xvfb as a user would: keys typed,
# the label, the message box and the clipboard read back from outside.
# Usage: window_smoke.sh SCREENSHOT.png
set -uo pipefail
shot=$1
export LANG=C.UTF-8
export WINEPREFIX
WINEPREFIX="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/wine-prefix-smoke"
passed=0 failed=0
ok() { passed=$((passed + 1)); }
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
source "$(dirname "${BASH_SOURCE[0]}")/wine_desktop.sh"
# Each run starts with no settings kept: the defaults, whatever a run before left.
"${wine[@]}" reg delete 'HKCU\Software\Numora' /f >/dev/null 2>&1 || true

"${wine[@]}" "$exe" &
app=$!
window=""
# Shown on the screen, so that it can take the keys typed next.
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "Suma žodžiais" 2>/dev/null | head -1)
    [[ -n $window ]] && break
    sleep 0.1
done
[[ -n $window ]] || { echo "FAIL: the window did not open"; echo "0 passed, 1 failed"; exit 1; }

clipboard() { xclip -o -selection clipboard 2>/dev/null; }
# Each step waits for its effect, up to 10 s, rather than for a fixed time.
wait_for() {
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    return 1
}
clipboard_is() { [[ $(clipboard) == "$1" ]]; }  # Wine hands it to X a moment later
request() {  # types TEXT into the number box and presses Enter
    xdotool windowactivate --sync "$window" >/dev/null 2>&1
    xdotool mousemove --window "$window" 100 120 click 1  # into the number box
    xdotool key ctrl+a BackSpace
    xdotool type --delay 20 -- "$1"
    xdotool key Return
}
message_box() { xdotool search --onlyvisible --name '^Numora$' 2>/dev/null | head -1; }
box_shown() { [[ -n $(message_box) ]]; }
box_gone() { [[ -z $(message_box) ]]; }

printf "before" | xclip -selection clipboard
request "1234.56"
expected="Vienas tūkstantis du šimtai trisdešimt keturi Lt 56 ct"
wait_for clipboard_is "$expected" && ok || fail "clipboard after 1234.56: $(clipboard)"
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "$((WIDTH + 2))x$((HEIGHT + 2))+$((X - 1))+$((Y - 1))" +repage "$shot" 2>/dev/null

for refused in abc 1000000000 -5; do
    printf 'keep me' | xclip -selection clipboard
    wait_for clipboard_is "keep me" || fail "the clipboard was not set before $refused"
    request "$refused"
    wait_for box_shown && ok || fail "no message box for $refused"
    xdotool key Return
    wait_for box_gone || fail "the message box for $refused did not close"
    clipboard_is "keep me" && ok || fail "clipboard changed by $refused: $(clipboard)"
done

# "Apie..." is the system menu's last item: Alt+Space, Up, Return.
xdotool windowactivate --sync "$window" >/dev/null 2>&1
visible() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }
shown_before=$(visible)
menu_shown() { (($(visible) > shown_before)); }  # the menu is a window of its own
xdotool key alt+space
wait_for menu_shown || fail "Alt+Space opened no system menu"
xdotool key Up Return
wait_for box_shown && ok || fail "no About box"
xdotool key Return
wait_for box_gone && ok || fail "the About box did not close"

# The cross picture ends the program with exit code 0.
geometry=$(xdotool getwindowgeometry --shell "$window")
eval "$geometry"
xdotool mousemove $((X + WIDTH - 12)) $((Y + HEIGHT - 12)) click 1
for _ in $(seq 100); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
if kill -0 $app 2>/dev/null; then
    fail "the cross did not end the program"
    kill $app
else
    wait $app && ok || fail "exit code $?"
fi

echo "$passed passed, $failed failed"
[[ $failed == 0 ]]
