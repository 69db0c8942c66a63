#!/usr/bin/env bash
# Installs a build (default build/) into a temporary prefix and checks the installed tree as a
# user's desktop and a packager would see it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

passed=0
failed=0
check() { # check DESCRIPTION COMMAND...: passes when the command succeeds; shows why it did not
    local description=$1 output
    shift
    if output=$("$@" 2>&1); then
        passed=$((passed + 1))
        echo "ok      $description"
    else
        failed=$((failed + 1))
        echo "FAILED  $description"
        echo "$output" | sed 's/^/        /'
    fi
}
prints() { # prints EXPECTED COMMAND...: the command prints exactly the expected line
    local expected=$1 actual
    shift
    actual=$("$@") && [ "$actual" = "$expected" ] ||
        { echo "printed '$actual', expected '$expected'" && return 1; }
}
prints_like() { # prints_like PATTERN COMMAND...: what the command prints matches the extended regex
    local pattern=$1 actual
    shift
    actual=$("$@") && [[ $actual =~ ^$pattern$ ]] ||
        { echo "printed '$actual', expected '$pattern'" && return 1; }
}
files() { # every file named is there
    local file missing=0
    for file; do [ -f "$file" ] || { echo "missing: $file" && missing=1; }; done
    return $missing
}
appstream_valid() { # no error and no warning, but for the homepage Brivola does not have yet
    local report problems
    report=$(appstreamcli validate --no-net --format=yaml "$1") || true
    problems=$(awk '/^- tag: / { tag = $3 }
        /^  severity: (error|warning)$/ && tag != "url-homepage-missing" { print tag }' <<<"$report")
    grep -q '^Passed: ' <<<"$report" && [ -z "$problems" ] || { echo "$report" && return 1; }
}
clean_man_page() { # the page shows with man, and groff warns of nothing in it
    local warnings
    man -l "$1" >/dev/null
    warnings=$(zcat "$1" | groff -man -ww -z 2>&1)
    [ -z "$warnings" ] || { echo "$warnings" && return 1; }
}

entries=("$prefix"/share/applications/*.desktop)
id=$(basename "${entries[0]}" .desktop)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
data=$prefix/share

check "only the two programs in bin" \
    prints "brivola brivola-restrictions" bash -c "cd '$prefix/bin' && echo *"
check "brivola --version, with its engine's, without a display" \
    prints_like "brivola $version"$'\n'"Qt WebEngine [0-9.]+, Chromium [0-9.]+ \(security fixes of [0-9.]+\)" \
    env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/brivola" --version
check "brivola-restrictions --version" \
    prints "brivola-restrictions $version" "$prefix/bin/brivola-restrictions" --version
check "one desktop entry, $id.desktop, valid" \
    bash -c "[ ${#entries[@]} -eq 1 ] && desktop-file-validate '${entries[0]}'"
check "AppStream metainfo valid (no homepage yet)" appstream_valid "$data/metainfo/$id.metainfo.xml"
icons=("$data/icons/hicolor/scalable/apps/$id.svg")
for size in 16 22 24 32 48 64 128 256; do
    icons+=("$data/icons/hicolor/${size}x${size}/apps/$id.png")
done
check "icons in the hicolor theme, scalable and at eight sizes" files "${icons[@]}"
check "the desktop entry offers brivola for web pages and links" \
    bash -c "grep -qx 'Exec=brivola --new-window %U' '${entries[0]}' &&
        grep -qx 'MimeType=text/html;application/xhtml+xml;x-scheme-handler/http;x-scheme-handler/https;' '${entries[0]}'"
completions=$data/bash-completion/completions
check "bash completion of both programs" bash -c 'for file; do bash -n "$file" || exit 1; done' \
    - "$completions/brivola" "$completions/brivola-restrictions"
for page in brivola brivola-restrictions; do
    check "man page $page(1)" clean_man_page "$data/man/man1/$page.1.gz"
done
check "README and licence in share/doc/brivola" \
    files "$data/doc/brivola/README.md" "$data/doc/brivola/LICENSE"

echo "Install checks: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
