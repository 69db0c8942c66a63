#!/usr/bin/env bash
# Sets everything up, then runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
ctest --test-dir build --output-on-failure --parallel 2
