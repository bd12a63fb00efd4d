#!/usr/bin/env bash
# install_test.sh CMAKE BUILD_DIR SOURCE_DIR
# Installs the build into a temporary home as a person would (the programs under
# ~/.local/opt/zitklok, launcher and icons under ~/.local/share), checks what
# landed where, then uninstalls and checks that only the log is left.
set -euo pipefail
cmake=$1 build=$2 source=$3
tmp=$(mktemp -d)
manifest="$build/install_manifest.txt"
saved=""
if [ -f "$manifest" ]; then saved="$tmp/manifest.saved"; cp "$manifest" "$saved"; fi
cleanup() {
    if [ -n "$saved" ]; then cp "$saved" "$manifest"; else rm -f "$manifest"; fi
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

export HOME="$tmp/home with space"
unset XDG_DATA_HOME
prefix="$HOME/.local/opt/zitklok"
data="$HOME/.local/share"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

# The report paints its chart with a companion program, which must come along.
for p in zitklok zitklok-report zitklok-report-chart; do
    [ -x "$prefix/bin/$p" ] || fail "$prefix/bin/$p is not an installed program"
done
desktop="$data/applications/zitklok.desktop"
[ -f "$desktop" ] || fail "no launcher at $desktop"
grep -qxF "Exec=\"$prefix/bin/zitklok\"" "$desktop" || fail "Exec line: $(grep Exec "$desktop")"
grep -qx "Icon=zitklok" "$desktop" || fail "Icon line: $(grep Icon "$desktop")"
grep -qx "Type=Application" "$desktop" || fail "no Type=Application"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi
for n in 16 22 32 64; do
    icon="$data/icons/hicolor/${n}x${n}/apps/zitklok.png"
    cmp -s "$icon" "$source/src/app/icons/image4-$n.png" || fail "icon $icon"
done

# A log written by the program keeps its folder; everything installed goes.
echo -n "log" >"$prefix/bin/actions.dat"
"$cmake" -DMANIFEST="$manifest" -P "$source/cmake/Uninstall.cmake" >/dev/null
[ "$(cat "$prefix/bin/actions.dat")" = "log" ] || fail "the log was touched"
left=$(cd "$HOME" && find . -type f | sort)
[ "$left" = "./.local/opt/zitklok/bin/actions.dat" ] || fail "left after uninstall: $left"

# Without a log the program's folders go too.
rm "$prefix/bin/actions.dat"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
"$cmake" -DMANIFEST="$manifest" -P "$source/cmake/Uninstall.cmake" >/dev/null
[ ! -e "$prefix" ] || fail "$prefix is left after uninstalling without a log"
echo "install and uninstall: ok"
