# Sourced by the tests that compare with libnumbertext's spellout: checks it
# is here, makes $dir (removed on exit), and gives spellout_lines.
data=/usr/share/libnumbertext spellout=/usr/lib/libnumbertext/spellout
if [[ ! -x $spellout || ! -f $data/lt.sor ]]; then
    echo "FAIL: no libnumbertext here: run scripts/install-deps reference"
    exit 1
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# spellout_lines IN OUT: spellout's words for each line of IN, in order.
# It takes a few thousand lines a second: two halves side by side.
spellout_lines() {
    split -n l/2 "$1" "$dir/part."
    for part in "$dir"/part.??; do
        (cd "$data" && xargs -d '\n' "$spellout" -l lt <"$part" >"$part.words") &
    done
    wait
    cat "$dir"/part.??.words >"$2"
    rm -f "$dir"/part.*
}

# compare_with_spellout IN OURS REFERENCE WHAT: each line of IN written
# alike by both, or the first ten that differ; a count of them last.
compare_with_spellout() {
    local count
    count=$(wc -l <"$1")
    if [[ $(wc -l <"$3") != "$count" ]]; then
        echo "FAIL: spellout gave $(wc -l <"$3") lines for $count $4"
        exit 1
    fi
    paste -d '\t' "$1" "$2" "$3" |
        awk -F '\t' -v what="$4" '
            $2 != $3 { if (++bad <= 10) printf "FAIL %s: ours \"%s\", spellout \"%s\"\n", $1, $2, $3 }
            END { printf "%d %s, %d written otherwise than spellout writes them\n", NR, what, bad
                  exit bad > 0 }'
}
