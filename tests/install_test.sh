#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a desktop needs of it.
#   install_test.sh BUILD_DIR
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null

failed=0
fail() {
    echo "$1"
    failed=1
}
for file in bin/tavrolin bin/tavrolin-cat share/applications/tavrolin.desktop \
    share/mime/packages/tavrolin-cat.xml share/icons/hicolor/scalable/apps/tavrolin.svg \
    share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128}/apps/tavrolin.png \
    share/man/man1/tavrolin.1 share/man/man1/tavrolin-cat.1 share/doc/tavrolin/LICENSE; do
    [ -e "$prefix/$file" ] || fail "missing after install: $file"
done

desktop-file-validate "$prefix/share/applications/tavrolin.desktop" || failed=1
update-mime-database "$prefix/share/mime" >/dev/null || failed=1
# registered WHAT PATTERN FILE: the pattern is in share/mime/FILE.
registered() {
    LC_ALL=C grep -qa "$2" "$prefix/share/mime/$3" || fail "$1 is not registered"
}
registered "the .cat glob" 'application/x-tavrolin-cat:\*\.cat' globs
registered "the header magic" '%Header Record' magic
registered "the .g1m glob" 'application/x-tavrolin-g1m:\*\.g1m' globs
registered "the .g1r glob" 'application/x-tavrolin-g1m:\*\.g1r' globs
# The inverted "USBPower" that a .g1m file begins with.
registered "the .g1m magic" $'\xaa\xac\xbd\xaf\x90\x88\x9a\x8d' magic

exit $failed
