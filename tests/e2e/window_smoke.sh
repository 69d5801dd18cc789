#!/bin/bash
# Drives the real numora.exe under Wine on Xvfb as a user would: keys typed,
# the label, the message box and the clipboard read back from outside.
# Usage: window_smoke.sh PATH-TO-numora.exe SCREENSHOT.png
set -uo pipefail
exe=$1 shot=$2
export LANG=C.UTF-8
passed=0 failed=0
ok() { passed=$((passed + 1)); }
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
source "$(dirname "${BASH_SOURCE[0]}")/wine_desktop.sh"

"${wine[@]}" "$exe" &
app=$!
window=""
for _ in $(seq 50); do
    window=$(xdotool search --name "Suma žodžiais" 2>/dev/null | head -1)
    [[ -n $window ]] && break
    sleep 0.2
done
[[ -n $window ]] || { echo "FAIL: the window did not open"; echo "0 passed, 1 failed"; exit 1; }
sleep 0.5

clipboard() { xclip -o -selection clipboard 2>/dev/null; }
clipboard_is() {  # Wine hands the clipboard to X a moment after the program sets it
    for _ in $(seq 30); do [[ $(clipboard) == "$1" ]] && return 0; sleep 0.1; done
    return 1
}
request() {  # types TEXT into the number box and presses Enter
    xdotool windowactivate --sync "$window" >/dev/null 2>&1
    xdotool mousemove --window "$window" 100 120 click 1  # into the number box
    xdotool key ctrl+a BackSpace
    xdotool type --delay 20 -- "$1"
    xdotool key Return
    sleep 0.7
}
message_box() { xdotool search --name '^Numora$' 2>/dev/null | head -1; }

printf "before" | xclip -selection clipboard
request "1234.56"
expected="Vienas tūkstantis du šimtai trisdešimt keturi Lt 56 ct"
clipboard_is "$expected" && ok || fail "clipboard after 1234.56: $(clipboard)"
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "$((WIDTH + 2))x$((HEIGHT + 2))+$((X - 1))+$((Y - 1))" +repage "$shot" 2>/dev/null

for refused in abc 1000000000 -5; do
    printf 'keep me' | xclip -selection clipboard
    request "$refused"
    box=$(message_box)
    [[ -n $box ]] && ok || fail "no message box for $refused"
    xdotool key Return
    sleep 0.5
    [[ $(clipboard) == "keep me" ]] && ok || fail "clipboard changed by $refused: $(clipboard)"
done

# "Apie..." is the system menu's last item: Alt+Space, Up, Return.
xdotool windowactivate --sync "$window" >/dev/null 2>&1
xdotool key alt+space
sleep 0.5
xdotool key Up Return
sleep 0.7
[[ -n $(message_box) ]] && ok || fail "no About box"
xdotool key Return
sleep 0.5
[[ -z $(message_box) ]] && ok || fail "the About box did not close"

# The cross picture ends the program with exit code 0.
geometry=$(xdotool getwindowgeometry --shell "$window")
eval "$geometry"
xdotool mousemove $((X + WIDTH - 12)) $((Y + HEIGHT - 12)) click 1
for _ in $(seq 50); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
if kill -0 $app 2>/dev/null; then
    fail "the cross did not end the program"
    kill $app
else
    wait $app && ok || fail "exit code $?"
fi

echo "$passed passed, $failed failed"
[[ $failed == 0 ]]
