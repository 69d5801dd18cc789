#!/bin/bash
# numora-cli as a script meets it: arguments, standard input, exit codes,
# messages on standard error. Usage: cli_test.sh PATH-TO-numora-cli
set -uo pipefail
cli=("$1")
[[ -n "${NUMORA_EMULATOR:-}" ]] && cli=("$NUMORA_EMULATOR" "$1")
if [[ -n ${NUMORA_NEEDS_32BIT:-} ]] &&
    ! "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-32bit-check" "$1"; then
    echo "skipped: the 32-bit numora-cli cannot run here"
    exit 77
fi
export LC_ALL=C.UTF-8  # UTF-8 arguments reach Wine as such
failures=0 passed=0
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# check NAME STATUS STDOUT STDERR-PATTERN -- ARGS...   (standard input: $input)
check() {
    local name=$1 status=$2 out=$3 err=$4
    shift 5
    printf '%s' "${input:-}" | "${cli[@]}" "$@" >"$dir/out" 2>"$dir/err"
    local got=$?
    local got_out got_err
    got_out=$(tr -d '\r' <"$dir/out")
    got_err=$(tr -d '\r' <"$dir/err")
    if [[ $got != "$status" || $got_out != "$out" || $got_err != $err ]]; then
        echo "FAIL $name: status $got, stdout:"
        echo "$got_out"
        echo "stderr:"
        echo "$got_err"
        failures=$((failures + 1))
    else
        passed=$((passed + 1))
    fi
}

nl=$'\n'
input=""
check "money, first capital" 0 "Penki Lt 25 ct" "" -- 5.25
check "all capitals" 0 "PENKI Lt 25 ct" "" -- --case upper 5.25
check "small letters" 0 "dvidešimt vienas Lt" "" -- --case lower 21
check "number mode" 0 "Dvidešimt vienas" "" -- --number 21.99
check "rounding" 0 "Vienas Lt${nl}12 ct${nl}38 ct${nl}Vienas Lt" "" -- 1.005 0.125 0.375 1.999
check "zero gives an empty line" 0 "${nl}Penki Lt" "" -- 0 5
check "largest" 0 "Devyni šimtai devyniasdešimt devyni milijonai devyni šimtai devyniasdešimt devyni tūkstančiai devyni šimtai devyniasdešimt devyni Lt 99 ct" "" -- 999999999.99
check "decimal comma" 0 "Penki Lt 25 ct" "" -- --decimal , 5,25
check "grouped" 0 "Vienas milijonas Lt 50 ct" "" -- "1 000 000.50"
check "refusals" 1 "${nl}${nl}${nl}Penki Lt" \
    "numora-cli: 1: Turi būti skaičius${nl}numora-cli: 2: Apsiribokime milijonais !${nl}numora-cli: 3: Skaičius negali būti neigiamas" \
    -- abc 1000000000 -1.5 5
check "negative without --" 1 "" "numora-cli: 1: Skaičius negali būti neigiamas" -- -5
check "after --" 1 "" "numora-cli: 1: Turi būti skaičius" -- -- --number
check "marks" 0 "Dvylika Eur 50 ct${nl}Penki Lt${nl}Penki Lt" "" -- --decimal , "12,50 €" "LTL 5" 5
check "--currency eur" 0 "Penki Eur${nl}Penki Lt" "" -- --currency eur 5 "5 Lt"
check "bad currency" 2 "" "usage: numora-cli *" -- --currency usd 5
check "unknown option" 2 "" "usage: numora-cli *" -- --bogus
check "bad case" 2 "" "usage: numora-cli *" -- --case shouting 5

input="5.25${nl}abc${nl}${nl}1000${nl}"
check "standard input" 1 "Penki Lt 25 ct${nl}${nl}${nl}Vienas tūkstantis Lt" \
    "numora-cli: 2: Turi būti skaičius${nl}numora-cli: 3: Turi būti skaičius" --
input="1.5"$'\r\n'"2"$'\r\n'
check "CR LF lines" 0 "Vienas Lt 50 ct${nl}Du Lt" "" --
input="7"
check "last line without newline" 0 "Septyni Lt" "" --
input=""

# A full disk is an error, not a success.
"${cli[@]}" 5 >/dev/full 2>"$dir/err"
[[ $? == 3 ]] && grep -q "could not be written" "$dir/err" && passed=$((passed + 1)) ||
    { echo "FAIL output to a full disk"; failures=$((failures + 1)); }

"${cli[@]}" --version | grep -Eq '^numora-cli [0-9]+\.[0-9]+' && passed=$((passed + 1)) ||
    { echo "FAIL --version"; failures=$((failures + 1)); }
"${cli[@]}" --help | grep -q -- '--case' && passed=$((passed + 1)) ||
    { echo "FAIL --help"; failures=$((failures + 1)); }

echo "$passed passed, $failures failed"
[[ $failures == 0 ]]
