#!/usr/bin/env bash
# Sets everything up, then starts Brivola; arguments go to the program (an address, say).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh brivola
exec build/src/brivola "$@"
