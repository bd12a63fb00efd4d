#!/usr/bin/env bash
# The size of the tests beside the size of the code they test: non-blank lines of the
# files git tracks, tests/ (.cpp .h .py .sh) against src/ (.cpp .h .hpp).
set -euo pipefail
cd "$(dirname "$0")/.."
count() { git ls-files -z -- "$@" | xargs -0 cat 2>/dev/null | grep -cv '^[[:space:]]*$' || true; }
tests=$(count 'tests/*.cpp' 'tests/*.h' 'tests/*.py' 'tests/*.sh')
src=$(count 'src/*.cpp' 'src/*.h' 'src/*.hpp')
awk -v t="$tests" -v s="$src" \
    'BEGIN { printf "test share: tests/ %d non-blank lines, src/ %d, ratio %.2f\n", t, s, t / s }'
