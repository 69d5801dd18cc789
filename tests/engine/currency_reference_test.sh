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
data=/usr/share/libnumbertext spellout=/usr/lib/libnumbertext/spellout
if [[ ! -x $spellout || ! -f $data/lt.sor ]]; then
    echo "FAIL: no libnumbertext here: run scripts/install-deps reference"
    exit 1
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

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

# spellout takes a few thousand amounts a second: two halves side by side.
split -n l/2 "$dir/reference.in" "$dir/part."
for part in "$dir"/part.??; do
    (cd "$data" && xargs -d '\n' "$spellout" -l lt <"$part" >"$part.words") &
done
wait
cat "$dir"/part.??.words |
    paste -d '\t' "$dir/ours.in" - |
    awk -F '\t' '{
        words = $2
        gsub(/ ir /, " ", words)
        gsub(/euro cent/, "cent", words)
        if ($1 ~ /^DKK /) gsub(/Norvegijos/, "Danijos", words)
        print words
    }' >"$dir/reference"
LC_ALL=C "$cli" --form full --case lower --decimal . <"$dir/ours.in" >"$dir/ours"

count=$(wc -l <"$dir/ours.in")
if [[ $(wc -l <"$dir/reference") != "$count" ]]; then
    echo "FAIL: spellout gave $(wc -l <"$dir/reference") lines for $count amounts"
    exit 1
fi
paste -d '\t' "$dir/ours.in" "$dir/ours" "$dir/reference" |
    awk -F '\t' '$2 != $3 { if (++bad <= 10) printf "FAIL %s: ours \"%s\", spellout \"%s\"\n", $1, $2, $3 }
                 END { printf "%d amounts in %d currencies, %d written otherwise than spellout writes them\n", NR, 10, bad; exit bad > 0 }'
