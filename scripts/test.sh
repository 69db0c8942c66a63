#!/usr/bin/env bash
# Sets everything up, checks the tree that installing puts in place, then runs every test,
# headless. With --sanitize it builds with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ instead and runs every test there.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = "--sanitize" ]; then
    bash scripts/install_packages.sh
    werror=OFF
    [ "${CI:-}" = "true" ] && werror=ON
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBRIVOLA_WERROR="$werror" -DBRIVOLA_SANITIZE=ON -DBRIVOLA_BENCHMARKS=OFF
    cmake --build build-sanitize
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    ctest --test-dir build-sanitize --output-on-failure --parallel 2
    exit
fi

bash scripts/setup.sh
bash scripts/check_install.sh build
ctest --test-dir build --output-on-failure --parallel 2
