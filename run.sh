#!/usr/bin/env bash
# Installs what is missing, builds the program in Release, installs it for this
# person (~/.local/opt/zitklok, or ZITKLOK_PREFIX) and starts the installed program.
# The log lives beside the installed program, outside the source tree, so that
# removing the build folder never removes a household's history.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
zk_ensure_packages
prefix=${ZITKLOK_PREFIX:-$HOME/.local/opt/zitklok}
[ -f build/release/build.ninja ] || cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release --target zitklok zitklok-report zitklok-report-chart
cmake --install build/release --prefix "$prefix" >/dev/null
# Before the program was installed here it ran inside the build folder.
scripts/move-old-log.sh build/release/src/app "$prefix/bin"
[ "${ZITKLOK_RUN_NO_START:-0}" = 1 ] && exit 0
exec "$prefix/bin/zitklok" "$@"
