#!/bin/bash
# numora-cli as a script meets it: arguments, standard input, exit codes,
# messages on standard error. Usage: cli_test.sh PATH-TO-numora-cli
set -uo pipefail
cli=("$1")
[[ -n "${NUMORA_EMULATOR:-}" ]] && cli=("$NUMORA_EMULATOR" "$1")
# The release's own run: where the x86_64 build is driven in its place, the
# test of that build's numora-cli.exe is the one that counts.
if [[ -n ${NUMORA_NEEDS_32BIT:-} ]] &&
    [[ $("$(dirname "${BASH_SOURCE[0]}")/../../scripts/target" preset) != win32 ]]; then
    echo "skipped: the x86_64 build is driven here"
    exit 77
fi
export LC_ALL=C.UTF-8  # UTF-8 arguments reach Wine as such
failures=0 passed=0
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# check NAME STATUS STDOUT STDERR-PATTERN -- ARGS...
# (standard input: the file $input_file if set, else the text $input)
check() {
    local name=$1 status=$2 out=$3 err=$4
    shift 5
    if [[ -n ${input_file:-} ]]; then
        "${cli[@]}" "$@" <"$input_file" >"$dir/out" 2>"$dir/err"
    else
        printf '%s' "${input:-}" | "${cli[@]}" "$@" >"$dir/out" 2>"$dir/err"
    fi
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
check "rounding" 0 "Vienas Lt${nl}12 ct${nl}38 ct${nl}Du Lt${nl}Du Lt 68 ct" "" -- 1.005 0.125 0.375 1.999 2.675
check "zero" 0 "Nulis Lt${nl}Nulis Eur" "" -- 0 "0.004 €"
check "under one unit, the cents alone only for Lt and Eur" 0 "25 ct${nl}Nulis USD 25 ct${nl}Nulis SEK 21 erė" "" -- 0.25 "0.25 USD" "0.21 SEK"
check "--with-digits" 0 "12.50 € (dvylika Eur 50 ct)${nl}007 (septyni Lt)" "" -- --with-digits " 12.50 €" 007
check "largest" 0 "Devyni šimtai devyniasdešimt devyni milijonai devyni šimtai devyniasdešimt devyni tūkstančiai devyni šimtai devyniasdešimt devyni Lt 99 ct" "" -- 999999999.99
check "decimal comma" 0 "Penki Lt 25 ct" "" -- --decimal , 5,25
# Under Wine the locale is English, whose comma groups digits: no decimal mark there.
if [[ -n ${NUMORA_EMULATOR:-} ]]; then
    check "the other decimal mark" 1 "" "numora-cli: 1: Turi būti skaičius" -- 12,50
else
    check "the other decimal mark" 0 "Dvylika Lt 50 ct" "" -- 12,50
fi
check "only the mark named" 1 "" "numora-cli: 1: Turi būti skaičius" -- --decimal . 12,50
check "grouped" 0 "Vienas milijonas Lt 50 ct" "" -- "1 000 000.50"
check "refusals" 1 "${nl}${nl}${nl}Penki Lt" \
    "numora-cli: 1: Turi būti skaičius${nl}numora-cli: 2: Apsiribokime milijonais !${nl}numora-cli: 3: Skaičius negali būti neigiamas" \
    -- abc 1000000000 -1.5 5
check "negative without --" 1 "" "numora-cli: 1: Skaičius negali būti neigiamas" -- -5
check "after --" 1 "" "numora-cli: 1: Turi būti skaičius" -- -- --number
check "marks" 0 "Dvylika Eur 50 ct${nl}Penki Lt${nl}Penki Lt" "" -- --decimal , "12,50 €" "LTL 5" 5
check "--currency eur" 0 "Penki Eur${nl}Penki Lt" "" -- --currency eur 5 "5 Lt"
check "--currency in any case" 0 "Penki Eur" "" -- --currency Ltl --currency EUR 5
check "--form" 0 "Dvidešimt vienas euras penkiasdešimt centų${nl}Nulis litų dešimt centų" "" \
    -- --form=FULL "21.50 €" 0.10
check "--option=value, any case" 0 "PENKI Eur" "" -- --case=UPPER --currency=Eur 5
# A usage error names what is wrong in one line, then gives the usage.
usage_error() {  # NAME LINE -- ARGS...
    local name=$1 line=$2
    shift 3
    check "$name" 2 "" "numora-cli: $line${nl}usage: numora-cli *" -- "$@"
}
check "--currency, a code" 0 "Dvi SEK${nl}Dvylika GBP 50 pensų" "" -- --currency sek 2 12.50£
usage_error "bad currency" \
    "invalid value 'kr' for --currency (lt, eur, usd, gbp, pln, chf, sek, nok, dkk, czk)" \
    -- --currency kr 5
usage_error "bad form" "invalid value 'words' for --form (short, word, full)" -- --form=words 5
usage_error "bad case" "invalid value 'shouting' for --case (upper, first, lower)" -- --case shouting 5
usage_error "no value" "missing value for --case (upper, first, lower)" -- --case
usage_error "unknown option" "unknown option '--bogus'" -- --bogus
usage_error "unknown option with a value" "unknown option '--bogus'" -- --bogus=1 5
usage_error "a switch with a value" "option '--number' takes no value" -- --number=yes 5
for separator in " " 5 - + $'\t' $'\u00A0' "" ; do
    usage_error "decimal separator '$separator'" \
        "invalid value '$separator' for --decimal (not a digit, sign or blank)" -- --decimal "$separator" 5
done
check "line ends at either end of an argument" 0 "Penki Lt${nl}Penki Lt" "" -- $'5\r' $'\n5\n'
check "a sign before a currency mark is no option" 1 "" \
    "numora-cli: 1: Skaičius negali būti neigiamas${nl}numora-cli: 2: Skaičius negali būti neigiamas${nl}numora-cli: 3: Skaičius negali būti neigiamas" \
    -- -eur5 -Lt5 "-EUR 5"
check "a sign, blanks, then the amount" 1 "" \
    "numora-cli: 1: Skaičius negali būti neigiamas${nl}numora-cli: 2: Skaičius negali būti neigiamas" \
    -- "- €5" "- 5 €"
check "two kinds of group mark" 1 "" "numora-cli: 1: Turi būti skaičius" -- "1 234,567 €"
check "minus signs of word processors" 1 "${nl}${nl}${nl}Penki Eur" \
    "numora-cli: 1: Skaičius negali būti neigiamas${nl}numora-cli: 2: Skaičius negali būti neigiamas${nl}numora-cli: 3: Skaičius negali būti neigiamas" \
    -- -€5 −5 –5 +€5
check "both marks, the last decimal" 0 "Vienas tūkstantis Lt 50 ct${nl}Vienas tūkstantis Lt 50 ct" "" \
    -- 1.000,50 1,000.5
check "a minus before the decimal in use" 1 "" "numora-cli: 1: Skaičius negali būti neigiamas" \
    -- --decimal ą -ą5

input="5.25${nl}abc${nl}${nl}1000${nl}"
check "standard input" 1 "Penki Lt 25 ct${nl}${nl}${nl}Vienas tūkstantis Lt" \
    "numora-cli: 2: Turi būti skaičius${nl}numora-cli: 3: Turi būti skaičius" --
input="1.5"$'\r\n'"2"$'\r\n'
check "CR LF lines" 0 "Vienas Lt 50 ct${nl}Du Lt" "" --
input="7"
check "last line without newline" 0 "Septyni Lt" "" --
input=$'\xef\xbb\xbf5\n'
check "byte-order mark" 0 "Penki Lt" "" --
input=$'1\r2\r\n3'
check "lone CR" 0 "Vienas Lt${nl}Du Lt${nl}Trys Lt" "" --
input=""
# UTF-16 with its byte-order mark, as Windows tools save text, either byte order.
for order in UTF-16LE UTF-16BE; do
    printf '%s' $'\ufeff5\r\n12.50 \u20ac\r\nabc\r\n' | iconv -f UTF-8 -t $order >"$dir/$order"
    input_file=$dir/$order check "$order file" 1 "Penki Lt${nl}Dvylika Eur 50 ct" \
        "numora-cli: 3: Turi būti skaičius" -- --decimal .
done

# UTF-16 gives exactly what its UTF-8 twin gives (lines, words, messages,
# line numbers, status): from a file over 1 MiB, and through a pipe with
# pauses, characters split between the writes.
lines=$'5\n12.50 €\nabc\n\n1 000 000,5\n-€5\nąžuolas\n1000000000\n0.125\n€1\r'
{
    yes "$lines" | head -n 70000
    head -c 1200000 /dev/zero | tr '\0' 7
    printf '\n-'
    head -c 1200000 /dev/zero | tr '\0' 0
    printf '5\n€7\r\n7'
} >"$dir/twin"
"${cli[@]}" <"$dir/twin" >"$dir/twin.out" 2>"$dir/twin.err"
twin_status=$?
from_file() { "${cli[@]}" <"$1"; }
paced() {  # cuts at odd places: units are split between the reads
    { head -c 3 "$1"; sleep 0.3; tail -c +4 "$1" | head -c 65537; sleep 0.3; tail -c +65541 "$1"; } |
        "${cli[@]}"
}
for order in UTF-16LE UTF-16BE; do
    { printf '\ufeff'; cat "$dir/twin"; } | iconv -f UTF-8 -t $order >"$dir/$order"
    for feed in from_file paced; do
        $feed "$dir/$order" >"$dir/16.out" 2>"$dir/16.err"
        got=$?
        if [[ $got == "$twin_status" ]] && cmp -s "$dir/16.out" "$dir/twin.out" &&
            cmp -s "$dir/16.err" "$dir/twin.err"; then
            passed=$((passed + 1))
        else
            echo "FAIL $order $feed: status $got (twin $twin_status); first differences:"
            diff "$dir/16.out" "$dir/twin.out" | head -5
            diff "$dir/16.err" "$dir/twin.err" | head -5
            failures=$((failures + 1))
        fi
    done
done
# A line in the ANSI code page (here "€" is 0x80 in both cp1252 and cp1257).
printf '12.50 \x80\n' >"$dir/ansi"
if [[ -n ${NUMORA_EMULATOR:-} ]]; then
    input_file=$dir/ansi check "an ANSI file on Windows" 0 "Dvylika Eur 50 ct" "" -- --decimal .
else
    input_file=$dir/ansi check "an ANSI file elsewhere" 1 "" "numora-cli: 1: Turi būti skaičius" \
        -- --decimal .
fi
# A line too long to keep is read past, not kept, and refused as what it is.
input="$(head -c 3000000 /dev/zero | tr '\0' 7)${nl}-$(head -c 3000000 /dev/zero | tr '\0' 7)${nl}5${nl}"
check "overlong lines" 1 "${nl}${nl}Penki Lt" \
    "numora-cli: 1: Apsiribokime milijonais !${nl}numora-cli: 2: Skaičius negali būti neigiamas" --
input=""

# Faults a filter must not hide: each ends the run with its own status.
status_of() { "$@" >/dev/null 2>"$dir/err"; echo $?; }
expect_status() {  # NAME STATUS STDERR-PATTERN -- COMMAND...
    local name=$1 status=$2 err=$3 got
    shift 4
    got=$(status_of "$@")
    if [[ $got == "$status" && $(tr -d '\r' <"$dir/err") == $err ]]; then
        passed=$((passed + 1))
    else
        echo "FAIL $name: status $got, stderr: $(cat "$dir/err")"
        failures=$((failures + 1))
    fi
}
full=(bash -c '"$@" >/dev/full' full "${cli[@]}")
expect_status "endless input to a full disk" 3 "*could not be written*" -- \
    timeout 20 bash -c 'yes 5 | "$@" >/dev/full' yes "${cli[@]}"
expect_status "--help to a full disk" 3 "*could not be written*" -- "${full[@]}" --help
expect_status "--version to a full disk" 3 "*could not be written*" -- "${full[@]}" --version
expect_status "a directory as input" 4 "*could not be read*" -- bash -c '"$@" <"$0"' "$dir" "${cli[@]}"
expect_status "closed input" 4 "*could not be read*" -- bash -c '"$@" <&-' closed "${cli[@]}"

# Each answer comes before the next read waits: a coprocess gets it at once.
# Bash unsets the coproc's variables once it is reaped: keep copies.
coproc conversation { "${cli[@]}" 2>/dev/null; }
talk_pid=$conversation_PID talk_in=${conversation[1]} talk_out=${conversation[0]}
echo 5 >&"$talk_in"
if read -r -t 10 answer <&"$talk_out" && [[ ${answer%$'\r'} == "Penki Lt" ]]; then
    passed=$((passed + 1))
else
    echo "FAIL no answer while the input stays open: '${answer:-}'"
    failures=$((failures + 1))
fi
exec {talk_in}>&- 2>/dev/null
wait "$talk_pid" 2>/dev/null

# Memory stays bounded whatever the input: a 100 MB line within 100 MB of
# address space (not where a sanitizer or Wine needs far more of it). The
# libraries are read whole first: grep -q ending the pipe early would fail
# it under pipefail, now and then.
libraries=$(ldd "$1" 2>/dev/null || true)
if [[ -z ${NUMORA_EMULATOR:-} && $libraries != *libasan* ]]; then
    expect_status "a 100 MB line in bounded memory" 1 "numora-cli: 1: Apsiribokime milijonais !" -- \
        bash -c 'ulimit -v 100000; head -c 100000000 /dev/zero | tr "\0" 7 | "$@"' line "${cli[@]}"
fi
expect_status "a text to a full disk" 3 "*could not be written*" -- "${full[@]}" 5
"${cli[@]}" --version | grep -Eq '^numora-cli [0-9]+\.[0-9]+' && passed=$((passed + 1)) ||
    { echo "FAIL --version"; failures=$((failures + 1)); }
"${cli[@]}" --help | grep -q -- '--case' && passed=$((passed + 1)) ||
    { echo "FAIL --help"; failures=$((failures + 1)); }

echo "$passed passed, $failures failed"
[[ $failures == 0 ]]
