#!/usr/bin/env bash
# move-old-log.sh OLD_FOLDER NEW_FOLDER
# Earlier versions of run.sh started the program inside the build folder, so a
# household's log could sit there, where `rm -rf build` would delete it. Moves
# that log, its archives and damaged copies (actions*.dat) into the installed
# program's folder, once: a file of the same name already there is never
# overwritten, and then nothing of the old folder is moved. Tells on the
# terminal what it did.
set -euo pipefail
old=$1 new=$2
shopt -s nullglob
files=("$old"/actions*.dat)
[ ${#files[@]} -eq 0 ] && exit 0
for f in "${files[@]}"; do
    if [ -e "$new/$(basename "$f")" ]; then
        echo "zitklok: not moving the log of $old: $new/$(basename "$f") exists already;" \
             "move or merge it by hand" >&2
        exit 0
    fi
done
mkdir -p "$new"
for f in "${files[@]}"; do
    mv -n "$f" "$new/"
done
echo "zitklok: moved the log (${#files[@]} file(s)) from $old to $new" >&2
