#!/usr/bin/env bash
# A second start's hand-off: starts Brivola under xvfb-run in a D-Bus session of its own,
# waits for its frame, then starts it N more times (default 5) with "--new-window" and a page
# on a web server on 127.0.0.1, and prints the median time from each second start's launch to
# the server's request for its page (target: at most 300 ms). Then the same without a session
# bus, where the hand-off goes through the socket in XDG_RUNTIME_DIR. Build first
# (scripts/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-5}
program=$PWD/build/src/brivola
[ -x "$program" ] || { echo "build first: bash scripts/setup.sh" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The server notes when each page was asked for: "path<TAB>ms since the epoch".
cat >"$work/server.py" <<'PY'
import http.server, sys, time
class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        with open(sys.argv[2], "a") as log:
            log.write("%s\t%d\n" % (self.path, time.time() * 1000))
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.end_headers()
        self.wfile.write(b"<title>handed over</title>")
    def log_message(self, *args):
        pass
http.server.ThreadingHTTPServer(("127.0.0.1", int(sys.argv[1])), Handler).serve_forever()
PY

# one_session CASE: a session with Brivola running, then the second starts; prints the delays.
cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
case=$1 runs=$2 program=$3 work=$4
[ "$case" = socket ] && unset DBUS_SESSION_BUS_ADDRESS
export HOME=$work/$case XDG_CONFIG_HOME=$work/$case/config XDG_DATA_HOME=$work/$case/data \
    XDG_CACHE_HOME=$work/$case/cache XDG_RUNTIME_DIR=$work/$case/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
port=$((20000 + RANDOM % 20000))
requests=$work/$case-requests.tsv
: >"$requests"
python3 "$work/server.py" "$port" "$requests" &
server=$!
QT_LOGGING_RULES="brivola.startup.info=true" "$program" >"$work/$case-first.log" 2>&1 &
first=$!
trap 'kill $first $server 2>/dev/null || true' EXIT
for _ in $(seq 300); do
    grep -qs 'milestone "frame shown"' "$work/$case-first.log" && break
    sleep 0.1
done
grep -qs 'milestone "frame shown"' "$work/$case-first.log" ||
    { echo "$case: the first start showed no frame" >&2; cat "$work/$case-first.log" >&2; exit 1; }
sleep 2 # its home page settles
for run in $(seq "$runs"); do
    launched=$(date +%s%3N)
    "$program" --new-window "http://127.0.0.1:$port/run-$run" ||
        { echo "$case run $run: the second start failed" >&2; exit 1; }
    for _ in $(seq 100); do
        grep -qs "^/run-$run	" "$requests" && break
        sleep 0.02
    done
    requested=$(awk -F'\t' -v p="/run-$run" '$1 == p { print $2; exit }' "$requests")
    [ -n "$requested" ] || { echo "$case run $run: no request within 2 s" >&2; exit 1; }
    echo $((requested - launched))
    sleep 1
done
SESSION

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
echo "Second start to page request, median of $runs runs under xvfb-run (target: at most 300 ms)"
for case in bus socket; do
    delays=$(xvfb-run -a -s "-screen 0 1280x1024x24" \
        dbus-run-session -- bash "$work/session.sh" "$case" "$runs" "$program" "$work")
    echo "  $case: $(echo "$delays" | median) ms (runs: $(echo $delays))"
done
