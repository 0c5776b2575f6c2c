#!/usr/bin/env bash
# The distribution: `cmake --install` gives the program folder that its Program.txt lists, no
# file more and none less; the desktop entry passes desktop-file-validate; update-mime-database
# accepts the document type; the folder's setup registers the program for a user; the Debian
# package builds and holds the installation.
# Usage: install_test.sh BUILD-DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/usr" >/dev/null
folder=$work/usr/lib/kesto

# Program.txt (code page 932): comments and empty lines, the default folder, then
# "flag name description" lines; every entry, flag 0 too, is a file of the folder.
iconv -f CP932 -t UTF-8 "$folder/Program.txt" | tr -d '\r' | grep -v '^;' | grep -v '^$' |
    tail -n +2 | awk '{print $2}' | sort >"$work/listed"
(cd "$folder" && find . -type f | sed 's|^\./||' | sort) >"$work/installed"
diff "$work/listed" "$work/installed" || fail "the program folder differs from Program.txt"
[ -x "$folder/setup" ] && [ -x "$folder/kesto" ] && [ -x "$folder/kesto-cli" ] ||
    fail "programs not executable"
[ "$(readlink "$work/usr/bin/kesto")" = ../lib/kesto/kesto ] || fail "bin/kesto link"

desktop-file-validate "$work/usr/share/applications/kesto.desktop" || fail "desktop entry"
mkdir -p "$work/mime/packages"
cp "$work/usr/share/mime/packages/kesto.xml" "$work/mime/packages/"
update-mime-database "$work/mime" 2>"$work/mime.err" || fail "update-mime-database failed"
grep -qi -e error -e fail -e warning "$work/mime.err" && fail "update-mime-database: $(cat "$work/mime.err")"
grep -qxF '50:application/x-kesto:*.kso' "$work/mime/globs2" || fail "no glob *.kso"
[ -f "$work/mime/application/x-kesto.xml" ] || fail "no type application/x-kesto"

# The setup of the folder, for a user of its own.
mkdir "$work/home"
env -i PATH="$PATH" HOME="$work/home" "$folder/setup" || fail "setup failed"
entry=$work/home/.local/share/applications/kesto.desktop
desktop-file-validate "$entry" || fail "registered entry"
grep -qxF "Exec=\"$folder/kesto\" %f" "$entry" || fail "registered entry runs $(grep ^Exec "$entry")"
[ -f "$work/home/.local/share/icons/hicolor/256x256/apps/kesto.png" ] || fail "icon not registered"
grep -qxF '50:application/x-kesto:*.kso' "$work/home/.local/share/mime/globs2" ||
    fail "document type not registered"
grep -qxF 'application/x-kesto=kesto.desktop' "$work/home/.config/mimeapps.list" ||
    fail "documents not opened by Kesto"

# The Debian package.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
deb=$(echo "$work"/package/kesto_*.deb)
dpkg -c "$deb" | awk '{print $6, $7, $8}' >"$work/contents"
for path in usr/bin/kesto usr/share/applications/kesto.desktop usr/share/mime/packages/kesto.xml \
            usr/share/icons/hicolor/256x256/apps/kesto.png \
            usr/share/icons/hicolor/scalable/apps/kesto.svg \
            $(sed 's|^|usr/lib/kesto/|' "$work/listed"); do
    grep -q "^\./$path\( \|$\)" "$work/contents" || fail "$path not in the package"
done
grep -qF './usr/bin/kesto -> ../lib/kesto/kesto' "$work/contents" || fail "bin/kesto link in package"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "package does not depend on Qt"
echo "install_test: program folder, desktop entry, document type, setup and package checked"
