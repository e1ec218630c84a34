#!/usr/bin/env bash
# Builds the Debian package and unpacks it into a scratch root: every file where the desktop
# expects it, both programs side by side, and the dependencies found.
set -euo pipefail
build=$1
version=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cd "$build"
cpack -G DEB -B "$root/out" > "$root/cpack.log" || { cat "$root/cpack.log"; exit 1; }
deb=$(ls "$root"/out/tempiro_*_*.deb)
dpkg -x "$deb" "$root/installed"
for file in usr/bin/tempiro usr/bin/tavolek usr/share/applications/tempiro.desktop \
            usr/share/icons/hicolor/scalable/apps/tempiro.svg \
            usr/share/metainfo/com.example.marrowby.Tempiro.metainfo.xml \
            usr/share/man/man1/tempiro.1 usr/share/bash-completion/completions/tempiro \
            usr/share/tempiro/translations/tempiro_de.qm; do
    [ -e "$root/installed/$file" ] || { echo "missing: $file"; exit 1; }
done
[ -x "$root/installed/usr/bin/tempiro" ] && [ -x "$root/installed/usr/bin/tavolek" ]
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libical3 qt6-qpa-plugins fonts-liberation2 libglib2.0-0 libcanberra0; do
    grep -q "$needed" <<< "$depends" || { echo "Depends lacks $needed: $depends"; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ]
# The completion offers the options to a shell that loads it.
words=$(bash -c "source '$root/installed/usr/share/bash-completion/completions/tempiro'
    COMP_WORDS=(tempiro --st); COMP_CWORD=1; _tempiro; echo \"\${COMPREPLY[*]}\"")
[ "$words" = "--stopwatch --status" ] || { echo "completion of --st: $words"; exit 1; }
echo "package contents ok"
