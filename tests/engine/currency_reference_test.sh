#!/bin/bash
# Every currency's amounts in the full way, against libnumbertext's spellout:
# 0 to 2 000 in the main unit, 0 to 99 hundredths alone and with as many
# units, every group at every scale, and 20 000 amounts drawn with a fixed
# seed. spellout writes " ir " between the units and "euro cent..." for the
# euro's cents; those two differences, and nothing else, are mapped. It has
# no Danish crown: DKK is checked as NOK with the country's name replaced.
# Usage: currency_reference_test.sh PATH-TO-numora-cli
set -euo pipefail
cli=$1
source "$(dirname "${BASH_SOURCE[0]}")/spellout.sh"

awk 'BEGIN {
    for (i = 0; i <= 2000; i++) print i
    for (c = 0; c <= 99; c++) printf "0.%02d\n%d.%02d\n", c, c, c
    for (g = 1; g <= 999; g++) printf "%d\n%d\n%d\n", g, g * 1000, g * 1000000
    srand(30)
    for (i = 0; i < 20000; i++) printf "%d.%02d\n", int(rand() * 1e9), int(rand() * 100)
}' >"$dir/amounts"
codes=(LTL EUR USD GBP PLN CHF SEK NOK CZK DKK)
for code in "${codes[@]}"; do
    sed "s/^/$code /" "$dir/amounts"
done >"$dir/ours.in"
sed 's/^DKK /NOK /' "$dir/ours.in" >"$dir/reference.in"

spellout_lines "$dir/reference.in" "$dir/spelled"
paste -d '\t' "$dir/ours.in" "$dir/spelled" |
    awk -F '\t' '{
        words = $2
        gsub(/ ir /, " ", words)
        gsub(/euro cent/, "cent", words)
        if ($1 ~ /^DKK /) gsub(/Norvegijos/, "Danijos", words)
        print words
    }' >"$dir/reference"
LC_ALL=C "$cli" --form full --case lower --decimal . <"$dir/ours.in" >"$dir/ours"

compare_with_spellout "$dir/ours.in" "$dir/ours" "$dir/reference" "amounts in 10 currencies"
