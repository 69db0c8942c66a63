#!/usr/bin/env bash
# Memory that comes back: Brivola's process tree (PSS) with one browser window, with 30 more,
# and after closing those 30; and a bare QWebEngineView on the same page for reference. Each
# runs N times (default 5) under xvfb-run with a fresh home; the medians are printed. Build
# first (scripts/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-5}
program=build/bench/bench_windows
[ -x "$program" ] || { echo "build the benchmarks first: bash scripts/setup.sh" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/page.html" <<'PAGE'
<!DOCTYPE html><title>A page</title><h1>A page</h1>
<p>Some text, a list and a table, as an ordinary page has.</p>
<ul><li>one</li><li>two</li><li>three</li></ul><table><tr><td>a</td><td>b</td></tr></table>
PAGE
run() { # run MODE RUN: in its own home and display
    local home=$work/home-$1-$2
    mkdir -p "$home"
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache \
        xvfb-run -a -s "-screen 0 1280x1024x24" "$program" "$1" "$work/page.html" 2>/dev/null
}
figure() { sed -n "s/^$1: *\([0-9.]*\) MB.*/\1/p"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for i in $(seq "$runs"); do
    run bare "$i" | figure "bare view, one page" >>"$work/bare"
    run brivola "$i" >"$work/brivola-$i.txt"
    figure "brivola, one window" <"$work/brivola-$i.txt" >>"$work/one"
    figure "brivola, [0-9]* more windows" <"$work/brivola-$i.txt" >>"$work/opened"
    figure "brivola, those [0-9]* closed again" <"$work/brivola-$i.txt" >>"$work/closed"
done
bare=$(median <"$work/bare")
one=$(median <"$work/one")
opened=$(median <"$work/opened")
closed=$(median <"$work/closed")
echo "Memory of the process tree (PSS), median of $runs runs under xvfb-run"
echo "  bare view, one page:          $bare MB"
echo "  brivola, one window:          $one MB"
echo "  brivola, 30 more windows:     $opened MB"
echo "  brivola, those 30 closed:     $closed MB"
awk -v one="$one" -v bare="$bare" -v closed="$closed" 'BEGIN {
    printf "  closed again against one window: %+.1f MB (target: within 60 MB)\n", closed - one
    printf "  one window against the bare view: %+.1f%% (target: within 10%%)\n", (one - bare) * 100 / bare }'
