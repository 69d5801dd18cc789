#!/bin/bash
# README's table of the currencies is what numora-cli writes: printed anew
# by scripts/readme-currencies, it must stand in README as it is.
# Usage: readme_test.sh PATH-TO-numora-cli
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
table=$("$root/scripts/readme-currencies" "$1")
if ! grep -qxF -- "$(head -1 <<<"$table")" "$root/README.md" ||
    ! diff <(grep -A"$(($(wc -l <<<"$table") - 1))" -xF -- "$(head -1 <<<"$table")" \
        "$root/README.md") <(echo "$table"); then
    echo "FAIL: README's table of the currencies is not what numora-cli writes now:"
    echo "$table"
    exit 1
fi
echo "README's table of the currencies: as numora-cli writes it"
