#!/bin/bash
# Whole numbers in words against a writer of Lithuanian numerals made apart
# from ours, libnumbertext's spellout: every value from 0 to 200 000, every
# group at every scale, and 100 000 values up to 999 999 999 drawn with a
# fixed seed, so that each run checks the same ones.
# Usage: reference_test.sh PATH-TO-numora-cli
set -euo pipefail
cli=$1
data=/usr/share/libnumbertext spellout=/usr/lib/libnumbertext/spellout
if [[ ! -x $spellout || ! -f $data/lt.sor ]]; then
    echo "FAIL: no libnumbertext here: run scripts/install-deps reference"
    exit 1
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

{
    seq 0 200000
    for scale in 1000 1000000; do seq $scale $scale $((999 * scale)); done
    awk 'BEGIN { srand(24); for (i = 0; i < 100000; i++) printf "%d\n", int(rand() * 1e9) }'
} >"$dir/numbers"
# spellout takes a few thousand numbers a second: two halves side by side.
split -n l/2 "$dir/numbers" "$dir/part."
for part in "$dir"/part.*; do
    (cd "$data" && xargs "$spellout" -l lt <"$part" >"$part.words") &
done
wait
cat "$dir"/part.*.words >"$dir/reference"
LC_ALL=C "$cli" --number --case lower <"$dir/numbers" >"$dir/ours"

count=$(wc -l <"$dir/numbers")
if [[ $(wc -l <"$dir/reference") != "$count" ]]; then
    echo "FAIL: spellout gave $(wc -l <"$dir/reference") lines for $count numbers"
    exit 1
fi
paste -d '\t' "$dir/numbers" "$dir/ours" "$dir/reference" |
    awk -F '\t' '$2 != $3 { if (++bad <= 10) printf "FAIL %s: ours \"%s\", spellout \"%s\"\n", $1, $2, $3 }
                 END { printf "%d numbers, %d written otherwise than spellout writes them\n", NR, bad; exit bad > 0 }'
