#!/usr/bin/env bash
# Takes the screenshots the AppStream metainfo shows (docs/screenshots/) of the built program,
# under Xvfb with openbox, on its built-in start page and a page on a server on 127.0.0.1, in a
# home of its own. Needs xvfb-run, openbox, xdotool and ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$PWD/build/src/brivola
out=$PWD/docs/screenshots
[ -x "$program" ] || { echo "build first: bash scripts/setup.sh brivola" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/site" "$work/runtime" && chmod 700 "$work/runtime"
cat >"$work/site/index.html" <<'PAGE'
<!DOCTYPE html><html><head><title>Brivola News</title><style>
body { font-family: sans-serif; margin: 2em; background: #f4f6fb; color: #123; }
h1 { color: #1c3d7a; } .card { background: white; padding: 1em; margin: 1em 0; border-radius: 6px; }
</style></head><body><h1>Brivola News</h1>
<div class="card"><h2>Weather</h2><p>Sunny spells, light wind from the west.</p></div>
<div class="card"><h2>Sports</h2><p>The local team won 3 to 1 at home.</p></div>
</body></html>
PAGE

cat >"$work/session.sh" <<'SESSION'
set -euo pipefail
program=$1 out=$2 work=$3
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data \
    XDG_CACHE_HOME=$work/home/cache XDG_RUNTIME_DIR=$work/runtime
port=$((20000 + RANDOM % 20000))
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$work/site" >/dev/null 2>&1 &
server=$!
openbox >/dev/null 2>&1 &
wm=$!
"$program" >/dev/null 2>&1 &
brivola=$!
trap 'kill $brivola $wm $server 2>/dev/null || true' EXIT
sleep 8
"$program" --new-window "http://127.0.0.1:$port/index.html"
sleep 3
xdotool key alt+w && sleep 0.5 && xdotool key v && sleep 2 # Window > Tile Vertical
import -window root "$out/main-frame.png"
xdotool key alt+t && sleep 0.5 && xdotool key o && sleep 3 # Tools > Organizer and Favorites
import -window root "$out/organizer.png"
xdotool key Escape && sleep 1
SESSION

xvfb-run -a -s "-screen 0 1280x720x24" dbus-run-session -- \
    bash "$work/session.sh" "$program" "$out" "$work"
echo "Screenshots in $out:" && ls "$out"
