#!/usr/bin/env bash
# Sets everything up, checks the tree that installing puts in place, then runs every test,
# headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/check_install.sh build
ctest --test-dir build --output-on-failure --parallel 2
