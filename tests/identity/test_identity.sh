#!/usr/bin/env bash
# Gives a copy of the tree another identity with scripts/make-it-yours and proves it works: refused
# input and a second run change nothing, no tracked file but the licence names the frame; then, as
# an adopter's first day, the panes dropped from a registry in another style, the architecture map's
# editor pane added as written, it builds and passes core, widgets, package and a desktop row; and
# again without German. The frame's identity is read from its identity file, never spelled.
set -euo pipefail
source=$1 work=$2
tree=$work/tree build=$work/tree/build
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$work" && mkdir -p "$tree"

# The tracked files (and any about to be added); a tree from an archive, with no git, as it is. The
# copy is a repository of its own, so git tells what changed.
if [[ $(git -C "$source" rev-parse --show-toplevel 2>/dev/null) == "$(cd "$source" && pwd -P)" ]]; then
    (cd "$source" && git ls-files -z --cached --others --exclude-standard | tar --null --ignore-failed-read -T - -cf -)
else
    tar -C "$source" --exclude=./.git --exclude=./build --exclude='./build-*' --exclude=__pycache__ -cf - .
fi | tar -xf - -C "$tree"
git -C "$tree" init -q && git -C "$tree" add -A
changes() { git -C "$tree" add -A --dry-run; }
old() { sed -n "s/^set(APP_$1 \"\(.*\)\")\$/\1/p" "$source/cmake/Identity.cmake"; }
name=$(old NAME) organization=$(old ORGANIZATION) id=$(old ID)
[[ -n $name && -n $organization && -n $id ]] || fail "no name, organisation or id in cmake/Identity.cmake"

echo '<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 64 64"><circle cx="32" cy="32" r="30"/></svg>' >"$work/icon.svg"
yours=("$tree/scripts/make-it-yours" --name "Zoë's Notes" --organization Quillfeather
       --app-id org.quillfeather.ZoesNotes --executable zoes-notes --version 2.3.4 --icon "$work/icon.svg")

echo "== refused input changes nothing"
while read -r option value; do
    status=0 && "${yours[@]}" "$option" "$value" || status=$?
    [[ $status == 2 ]] || fail "$option '$value' gave status $status, not 2"
done <<INPUT
--app-id notreversedns
--executable Zoes_Notes
--name
--version 2.3
--icon $source/LICENSE
--drop-pane nosuchpane
--drop-language xx
--drop-language en
INPUT
[[ -z $(changes) ]] || fail "refused input changed the tree: $(changes)"

echo "== make it yours, twice"
"${yours[@]}"
icons=$(git -C "$tree" ls-files resources/appicon resources/macos/app.icns resources/windows/app.ico)
[[ $(git -C "$tree" diff --name-only -- $icons) == "$icons" ]] || fail "not every icon file was made anew"
git -C "$tree" add -A && "${yours[@]}"
[[ -z $(changes) ]] || fail "a second run changed the tree: $(changes)"
hits=$(git -C "$tree" grep -Iil -F -e "$name" -e "$organization" -e "$id" || true)
# The licence may keep the frame's copyright notice (MIT asks for it); a renamed copy's has none.
[[ -z $hits || $hits == LICENSE ]] || fail "the frame's identity is still named in: $(echo $hits)"

echo "== a pane with no row is refused in one line; every placeholder pane dropped from another style"
mkdir "$tree/src/panes/stray" && echo 'class StrayPane {};' >"$tree/src/panes/stray/StrayPane.h"
touch "$tree/src/panes/stray/CMakeLists.txt" && git -C "$tree" add -A
status=0 && message=$("$tree/scripts/make-it-yours" --drop-pane stray 2>&1) || status=$?
[[ $status == 2 && $(wc -l <<<"$message") == 1 && -z $(changes) ]] || fail "a pane with no row: $status, $message"
rm -r "$tree/src/panes/stray"
clang-format --style=GNU -i "$tree/src/panes/Panes.cpp" "$tree/src/navigation/core/SidebarPane.h"
panes=$(cd "$tree/src/panes" && ls -d */ | tr -d / | sed 's/^/--drop-pane /')
"$tree/scripts/make-it-yours" $panes
git -C "$tree" add -A
status=0 && "$tree/scripts/make-it-yours" $panes || status=$?
[[ $status == 2 && -z $(changes) ]] || fail "dropping the dropped panes again gave status $status: $(changes)"

echo "== the architecture map's editor pane, as its recipe says"
python3 "$(dirname "$0")/add_recipe_pane.py" "$tree"
cp "$(dirname "$0")/test_notes.py" "$tree/tests/desktop/"

echo "== configure; the desktop entry and metainfo"
cmake -S "$tree" -B "$build" -G Ninja -DAPP_BENCHMARKS=OFF >/dev/null
desktop-file-validate "$build/resources/org.quillfeather.ZoesNotes.desktop"
appstreamcli validate --no-net --explain "$build/resources/org.quillfeather.ZoesNotes.metainfo.xml"

echo "== build; core, widget, package and one desktop test"
cmake --build "$build" | tee "$work/build.log"
# Its texts have no German yet: the build says so, and no test fails over it.
grep -q "app_de.ts: [1-9][0-9]* texts unfinished" "$work/build.log" || fail "no count of unfinished German texts"
ctest --test-dir "$build" -L 'core|widgets|package' --output-on-failure
ctest --test-dir "$build" -R desktop-icewm --output-on-failure

echo "== German dropped"
"$tree/scripts/make-it-yours" --drop-language de
cmake --build "$build"
ctest --test-dir "$build" -L 'core|widgets' --output-on-failure

rm -rf "$work"
