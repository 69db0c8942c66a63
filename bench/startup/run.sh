#!/usr/bin/env bash
# Starts Brivola N times (default 5) under xvfb-run and prints the median time of each start-up
# milestone: once with the built-in start page as home page, once with a home page on a web
# server on 127.0.0.1 (a page with a style sheet, a script and an image). The second case also
# starts a bare QWebEngineView on the same page, cold, as the reference for what the engine
# needs on this machine. Build first (scripts/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-5}
program=build/src/brivola
bare=build/bench/bench_bare_view
for built in "$program" "$bare"; do
    [ -x "$built" ] || { echo "build first: bash scripts/setup.sh" >&2; exit 1; }
done

work=$(mktemp -d)
site=$work/site
mkdir -p "$site"
cat >"$site/index.html" <<'PAGE'
<!DOCTYPE html><html><head><title>Home on the network</title>
<link rel="stylesheet" href="style.css"><script src="script.js"></script></head>
<body><h1>Home on the network</h1><img src="logo.svg" width="64"></body></html>
PAGE
echo 'body { font-family: sans-serif; color: #003; }' >"$site/style.css"
echo 'document.documentElement.dataset.ready = "yes";' >"$site/script.js"
cp src/resources/icons/brivola.svg "$site/logo.svg"
port=$((20000 + RANDOM % 20000))
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site" >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null; rm -rf "$work"' EXIT
home=http://127.0.0.1:$port/index.html
sleep 0.5

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# run_brivola CASE RUN LAST: the milestones of one start, as "run<TAB>milestone<TAB>ms since
# launch", once both LAST and the frame are there (the page may come before the frame shows).
run_brivola() {
    local case=$1 run=$2 last=$3 log=$work/$1-$2.log launched
    local profile=$work/$case-$run
    mkdir -p "$profile/config/brivola"
    if [ "$case" = network ]; then
        printf '[Internet%%20Settings]\nHome%%20Page=%s\n' "$home" >"$profile/config/brivola/Brivola.ini"
    fi
    launched=$(date +%s%3N)
    HOME=$profile XDG_CONFIG_HOME=$profile/config XDG_DATA_HOME=$profile/data \
        XDG_CACHE_HOME=$profile/cache QT_LOGGING_RULES="brivola.startup.info=true" \
        xvfb-run -a -s "-screen 0 1280x1024x24" "$program" >"$log" 2>&1 &
    local runner=$!
    for _ in $(seq 300); do
        grep -qs "milestone \"$last\"" "$log" && grep -qs 'milestone "frame shown"' "$log" && break
        sleep 0.1
    done
    pkill -P "$runner" -f "$program" 2>/dev/null || pkill -f "$program" || true
    wait "$runner" 2>/dev/null || true
    grep -q "milestone \"$last\"" "$log" || { echo "$case run $run: no \"$last\" within 30 s" >&2; cat "$log" >&2; exit 1; }
    awk -v launched="$launched" -v run="$run" '
        /milestone/ {
            match($0, /"[^"]+"/); name = substr($0, RSTART + 1, RLENGTH - 2)
            match($0, /epoch [0-9]+/); epoch = substr($0, RSTART + 6, RLENGTH - 6)
            print run "\t" name "\t" epoch - launched
        }' "$log" >>"$work/$case.tsv"
}

# after FILE FROM TO: the median of TO minus FROM over the runs, 0 when TO came first.
after() {
    awk -F'\t' -v from="$2" -v to="$3" '$2 == from { a[$1] = $3 } $2 == to { b[$1] = $3 }
        END { for (r in b) print (b[r] > a[r] ? b[r] - a[r] : 0) }' "$1" | median
}

report() {
    local case=$1
    shift
    for milestone in "$@"; do
        value=$(awk -F'\t' -v m="$milestone" '$2 == m { print $3 }' "$work/$case.tsv" | median)
        printf '  %-18s %6s ms\n' "$milestone" "$value"
    done
}

for run in $(seq "$runs"); do
    run_brivola builtin "$run" "first title"
    run_brivola network "$run" "first page loaded"
    launched=$(date +%s%3N)
    loaded=$(HOME=$work/bare xvfb-run -a -s "-screen 0 1280x1024x24" "$bare" "$home" 2>/dev/null |
        sed -n 's/^loaded at epoch //p')
    echo $((loaded - launched)) >>"$work/bare.txt"
done

echo "Brivola start-up, median of $runs runs under xvfb-run (ms since launch)"
echo "Home page built in:"
report builtin "splash shown" "frame shown" "first title"
# A title that arrived while the frame was still hidden is on screen the moment the frame is.
echo "  first title after the splash closed: $(after "$work/builtin.tsv" "frame shown" "first title") ms (target: under 100 ms)"
echo "Home page on a web server on 127.0.0.1:"
report network "splash shown" "first page requested" "frame shown" "first page loaded"
echo "  page requested before the splash closed: $(after "$work/network.tsv" "first page requested" "frame shown") ms"
echo "  page and resources loaded after the splash closed: $(after "$work/network.tsv" "frame shown" "first page loaded") ms (target: at most 50 ms)"
echo "  reference, a bare QWebEngineView started cold: $(median <"$work/bare.txt") ms to the same page"
