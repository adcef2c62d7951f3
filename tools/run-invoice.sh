#!/usr/bin/env bash
# Sets up, builds and starts invoice on a data folder (default: tallyquill-data beside the sources).
# The data files live in the folder's data/ and the settings in its Invoice.ini.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/tools/setup.sh"
"$top/tools/build.sh" >/dev/null
folder="${1:-$top/tallyquill-data}"
mkdir -p "$folder"
cd "$folder"
exec "${BUILD_DIR:-$top/build}/app/invoice"
