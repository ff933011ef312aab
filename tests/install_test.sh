#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a desktop needs of it.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failed=0
expect() {
    if [ ! -e "$prefix/$1" ]; then
        echo "missing after install: $1"
        failed=1
    fi
}
expect bin/tavrolin
expect bin/tavrolin-cat
expect share/applications/tavrolin.desktop
expect share/mime/packages/tavrolin-cat.xml
expect share/icons/hicolor/scalable/apps/tavrolin.svg
for size in 16 32 48 64 128; do
    expect "share/icons/hicolor/${size}x${size}/apps/tavrolin.png"
done
expect share/man/man1/tavrolin.1
expect share/man/man1/tavrolin-cat.1
expect share/doc/tavrolin/LICENSE

desktop-file-validate "$prefix/share/applications/tavrolin.desktop" || failed=1
update-mime-database "$prefix/share/mime" >/dev/null || failed=1
grep -q 'application/x-tavrolin-cat:\*\.cat' "$prefix/share/mime/globs" || {
    echo "the .cat glob is not registered"
    failed=1
}
grep -q '%Header Record' "$prefix/share/mime/magic" || {
    echo "the header magic is not registered"
    failed=1
}

exit $failed
