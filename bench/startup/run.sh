#!/usr/bin/env bash
# Starts Brivola N times (default 5) under xvfb-run and prints the median time of each start-up
# milestone, and how long the first browser window took to show its page's title after the
# splash closed. Build first (scripts/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-5}
program=build/src/brivola
[ -x "$program" ] || { echo "build the program first: bash scripts/setup.sh" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
export QT_LOGGING_RULES="brivola.startup.info=true"

for run in $(seq "$runs"); do
    log=$work/run$run.log
    launched=$(date +%s%3N)
    xvfb-run -a -s "-screen 0 1280x1024x24" "$program" >"$log" 2>&1 &
    runner=$!
    for _ in $(seq 300); do
        grep -q 'milestone "first title"' "$log" && break
        sleep 0.1
    done
    pkill -P "$runner" -f "$program" 2>/dev/null || pkill -f "$program" || true
    wait "$runner" 2>/dev/null || true
    grep -q 'milestone "first title"' "$log" || { echo "run $run: no title within 30 s" >&2; cat "$log" >&2; exit 1; }
    awk -v launched="$launched" -v run="$run" '
        /milestone/ {
            match($0, /"[^"]+"/); name = substr($0, RSTART + 1, RLENGTH - 2)
            match($0, /epoch [0-9]+/); epoch = substr($0, RSTART + 6, RLENGTH - 6)
            print run "\t" name "\t" epoch - launched
        }' "$log" >>"$work/milestones.tsv"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "Brivola start-up, median of $runs runs under xvfb-run (ms since launch):"
for milestone in "process start" "splash shown" "frame shown" "first title"; do
    value=$(awk -F'\t' -v m="$milestone" '$2 == m { print $3 }' "$work/milestones.tsv" | median)
    printf '  %-14s %6s ms\n' "$milestone" "$value"
done
gap=$(awk -F'\t' '$2 == "frame shown" { shown[$1] = $3 } $2 == "first title" { title[$1] = $3 }
                  END { for (r in title) print (title[r] > shown[r] ? title[r] - shown[r] : 0) }' \
          "$work/milestones.tsv" | median)
# A title that arrived while the frame was still hidden is on screen the moment the frame is.
echo "  first title after the splash closed: $gap ms (target: under 100 ms)"
