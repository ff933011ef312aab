#!/usr/bin/env bash
# Installs Tavrolin into a scratch root and checks what a desktop, a software centre
# and a package manager need of it.
#   install_test.sh BUILD_DIR       what `cmake --install` lays down
#   install_test.sh PACKAGE.deb     what the Debian package unpacks, and the package
set -euo pipefail
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix=$root/usr
case "$1" in
    *.deb) dpkg-deb -x "$1" "$root" ;;
    *) cmake --install "$1" --prefix "$prefix" >/dev/null ;;
esac

failed=0
fail() {
    echo "$1"
    failed=1
}
id=io.github.tavrolin.tavrolin
for file in bin/tavrolin bin/tavrolin-cat share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/mime/packages/tavrolin-cat.xml \
    share/icons/hicolor/scalable/apps/tavrolin.svg \
    share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128}/apps/tavrolin.png \
    share/man/man1/tavrolin.1.gz share/man/man1/tavrolin-cat.1.gz \
    share/doc/tavrolin/{LICENSE,README.md,copyright,changelog.gz} \
    share/doc/tavrolin/guide/{sk,en,fr}.html; do
    [ -e "$prefix/$file" ] || fail "missing after install: $file"
done

desktop-file-validate "$prefix/share/applications/$id.desktop" || failed=1
# The metainfo, and the desktop file it names as what launches the editor.
appstreamcli validate-tree --no-net "$root" >/dev/null ||
    fail "the metainfo does not validate: appstreamcli validate-tree --no-net says why"

update-desktop-database "$prefix/share/applications" || failed=1
for type in application/x-tavrolin-cat application/x-tavrolin-g1m; do
    grep -qx "$type=$id.desktop;" "$prefix/share/applications/mimeinfo.cache" ||
        fail "$type does not open in the editor"
done
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

for page in tavrolin tavrolin-cat; do
    [ "$(zcat "$prefix/share/man/man1/$page.1.gz" | head -c 4)" = ".TH " ] ||
        fail "$page.1.gz is no man page"
done

if [[ $1 == *.deb ]]; then
    for program in tavrolin tavrolin-cat; do
        file -L "$prefix/bin/$program" | grep -q ', stripped' || fail "$program is not stripped"
    done
    # Everything belongs to root; programs and folders are rwxr-xr-x, the rest rw-r--r--.
    dpkg-deb -c "$1" | awk '
        $2 != "root/root" { print "not owned by root: " $6; bad = 1 }
        $1 ~ /^d/ && $1 != "drwxr-xr-x" { print "folder mode " $1 ": " $6; bad = 1 }
        $1 ~ /^-/ && $6 ~ /^\.\/usr\/bin\// && $1 != "-rwxr-xr-x" { print "program mode " $1 ": " $6; bad = 1 }
        $1 ~ /^-/ && $6 !~ /^\.\/usr\/bin\// && $1 != "-rw-r--r--" { print "file mode " $1 ": " $6; bad = 1 }
        END { exit bad }' || failed=1
    # field NAME PATTERN: the control file's field NAME matches PATTERN.
    field() {
        dpkg-deb -f "$1" "$2" | grep -qE "$3" || fail "the package's $2 is not $3"
    }
    field "$1" Package '^tavrolin$'
    field "$1" Section '^graphics$'
    field "$1" Priority '^optional$'
    field "$1" Maintainer '<.+@.+>'
    field "$1" Depends 'libqt6widgets6.*qt6-qpa-plugins|qt6-qpa-plugins.*libqt6widgets6'
    # Every file of the package lies under /usr.
    dpkg-deb -c "$1" | awk '$6 !~ /^\.\/(usr\/.*)?$/ { print "outside /usr: " $6; bad = 1 } END { exit bad }' ||
        failed=1
fi

exit $failed
