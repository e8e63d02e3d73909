#!/usr/bin/env bash
# Runs every ```sh block of the user guide, in order, in a fresh folder holding the
# sample station as station.txt, with the built programs on PATH. A command that fails
# fails the test, so the guide cannot go stale.   run_guide_commands.sh GUIDE SAMPLE BINDIR
set -euo pipefail
guide=$1 sample=$2 bindir=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$sample" "$work/station.txt"
awk '/^```sh$/ { inside = 1; next } /^```$/ { if (inside) print ""; inside = 0; next } inside' "$guide" > "$work/commands.sh"
count=$(grep -c '^etp ' "$work/commands.sh" || true)
[ "$count" -gt 0 ] || { echo "no commands found in $guide"; exit 1; }
cd "$work"
PATH="$bindir:$PATH" bash -euo pipefail commands.sh >/dev/null
for f in results.txt macro.rn macro.etp monthly.txt creams.tr creams.rn leachm.rn leachm.etp; do
    [ -s "$f" ] || { echo "the guide's commands did not write $f"; exit 1; }
done
echo "$count commands of the guide ran"
