#!/bin/bash
# Whole numbers in words against a writer of Lithuanian numerals made apart
# from ours, libnumbertext's spellout: every value from 0 to 200 000, every
# group at every scale, and 100 000 values up to 999 999 999 drawn with a
# fixed seed, so that each run checks the same ones.
# Usage: reference_test.sh PATH-TO-numora-cli
set -euo pipefail
cli=$1
source "$(dirname "${BASH_SOURCE[0]}")/spellout.sh"

{
    seq 0 200000
    for scale in 1000 1000000; do seq $scale $scale $((999 * scale)); done
    awk 'BEGIN { srand(24); for (i = 0; i < 100000; i++) printf "%d\n", int(rand() * 1e9) }'
} >"$dir/numbers"
spellout_lines "$dir/numbers" "$dir/reference"
LC_ALL=C "$cli" --number --case lower <"$dir/numbers" >"$dir/ours"

compare_with_spellout "$dir/numbers" "$dir/ours" "$dir/reference" "numbers"
