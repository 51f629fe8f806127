#!/bin/sh
# Installs the build tree into a temporary prefix and checks the installed tree: programs,
# launchers, demo game, desktop entries, icons, manual pages. Then starts the game headless
# through its launcher with XDG_DATA_HOME in a temporary directory: the first start makes
# the player's copy and plays the demo's maps there, a second start keeps the copy, and the
# installed tree is left exactly as it was installed (it is made read-only for the runs).
# Usage: installed_tree_test.sh BUILD_DIR HAS_DARA(0|1)
set -eu
build=$1
has_dara=${2:-1}
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
prefix="$work/prefix"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install"; }

programs="RERIZUVA2 rerizuva2-play"
[ "$has_dara" = 1 ] && programs="$programs DARA dara-edit"
for program in $programs; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done
demo="$prefix/share/rerizuva2/demo"
for file in CORE/ini.crc CORE/SYSTEMTEXT.txt DATA/MAPS/1003/_ DATA/SOUND/PLING.ogg; do
    [ -f "$demo/$file" ] || fail "the demo game lacks $file"
done
[ ! -e "$demo/.gitignore" ] || fail "the demo game holds .gitignore"
entries="rerizuva2"
[ "$has_dara" = 1 ] && entries="$entries dara"
for entry in $entries; do
    desktop="$prefix/share/applications/$entry.desktop"
    [ -f "$desktop" ] || fail "$entry.desktop is not installed"
    exec_line=$(sed -n 's/^Exec=//p' "$desktop")
    [ -x "$exec_line" ] || fail "$entry.desktop starts '$exec_line', which is not installed"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    grep -q '<svg' "$icon" || fail "$entry.desktop names the icon '$icon', which is no SVG"
    if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi
done
pages="man6/RERIZUVA2.6"
[ "$has_dara" = 1 ] && pages="$pages man1/DARA.1"
for page in $pages; do
    file="$prefix/share/man/$page"
    [ -f "$file" ] || fail "$page is not installed"
    if command -v man >/dev/null; then
        text=$(MANWIDTH=80 man -l "$file" 2>&1) || fail "$page does not render"
        for word in OPTIONS KEYS FILES --help; do
            echo "$text" | grep -q -- "$word" || fail "$page has no $word"
        done
    fi
done

# The runs must not touch the installed tree: it is read-only and compared afterwards.
listing() { (cd "$prefix" && find . -print | sort && find . -type f -exec cksum {} + | sort); }
listing >"$work/before"
chmod -R a-w "$prefix"

data="$work/data"
copy="$data/rerizuva2/demo"
XDG_DATA_HOME="$data" "$prefix/bin/rerizuva2-play" --headless --frames 20 \
    --dump "$work/first.json" >"$work/first.log" 2>&1 ||
    { cat "$work/first.log" >&2; fail "the first start through rerizuva2-play"; }
grep -q "rerizuva2-play: made the demo game's copy in $copy" "$work/first.log" ||
    fail "the first start does not say where the copy is"
grep -q '"actualMapId": *1003' "$work/first.json" || fail "the demo's first map was not loaded"
[ -f "$copy/CORE/session.log" ] || fail "the game wrote no settings log into its copy"

# A second start keeps the copy as the player left it.
echo "kept" >"$copy/CORE/player-note"
XDG_DATA_HOME="$data" "$prefix/bin/rerizuva2-play" --headless --frames 2 >"$work/second.log" 2>&1 ||
    { cat "$work/second.log" >&2; fail "the second start"; }
grep -q "rerizuva2-play: the demo game is in $copy" "$work/second.log" ||
    fail "the second start does not say where the copy is"
[ -f "$copy/CORE/player-note" ] || fail "the second start replaced the copy"

# Started where there is no game, the game names the installed demo game and its launcher.
mkdir "$work/empty"
status=0
(cd "$work/empty" && "$prefix/bin/RERIZUVA2" --headless >"$work/nocore.log" 2>&1) || status=$?
[ "$status" = 6 ] || fail "no CORE: exit status $status, not 6"
grep -q "The demo game is installed in $prefix/share/rerizuva2/demo; play it with $prefix/bin/rerizuva2-play" \
    "$work/nocore.log" || { cat "$work/nocore.log" >&2; fail "no CORE: no note on the installed demo"; }

if [ "$has_dara" = 1 ]; then
    XDG_DATA_HOME="$data" "$prefix/bin/dara-edit" --help >"$work/dara.log" 2>&1 ||
        fail "dara-edit --help"
    grep -q "dara-edit: the demo game is in $copy" "$work/dara.log" || fail "dara-edit names no copy"
    grep -q "Usage: DARA" "$work/dara.log" || fail "dara-edit does not start DARA"
fi

chmod -R u+w "$prefix"
listing >"$work/after"
diff "$work/before" "$work/after" >&2 || fail "the runs changed the installed tree"
echo "installed tree and first start: ok"
