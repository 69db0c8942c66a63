#!/usr/bin/env bash
# Refreshes translations/*.ts from the sources: new texts come in unfinished, texts gone from
# the sources go. Then translate them (Qt Linguist, or any editor) and commit the .ts files;
# the build compiles them. A new language: touch translations/brivola_<language>.ts first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_packages.sh qt6-l10n-tools
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -no-obsolete -locations none -extensions cpp,h src -ts translations/brivola_*.ts
