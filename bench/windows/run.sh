#!/usr/bin/env bash
# Memory that comes back: Brivola's process tree (PSS) with one browser window, with 30 more,
# and after closing those 30; and a bare QWebEngineView on the same page for reference. Each
# runs under xvfb-run with a fresh home. Build first (scripts/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
program=build/bench/bench_windows
[ -x "$program" ] || { echo "build the benchmarks first: bash scripts/setup.sh" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/page.html" <<'PAGE'
<!DOCTYPE html><title>A page</title><h1>A page</h1>
<p>Some text, a list and a table, as an ordinary page has.</p>
<ul><li>one</li><li>two</li><li>three</li></ul><table><tr><td>a</td><td>b</td></tr></table>
PAGE
run() { # run MODE: in its own home and display
    local home=$work/home-$1
    mkdir -p "$home"
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache \
        xvfb-run -a -s "-screen 0 1280x1024x24" "$program" "$1" "$work/page.html" 2>/dev/null
}
bare=$(run bare | sed -n 's/.*: \([0-9.]*\) MB/\1/p')
echo "bare view, one page:             $bare MB"
run brivola | tee "$work/brivola.txt"
one=$(sed -n 's/^brivola, one window: *\([0-9.]*\) MB/\1/p' "$work/brivola.txt")
awk -v one="$one" -v bare="$bare" 'BEGIN {
    printf "one window against the bare view: %+.1f%% (target: within 10%%)\n", (one - bare) * 100 / bare }'
