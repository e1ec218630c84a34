#!/usr/bin/env bash
# The desktop entry and the AppStream data are valid for the desktop's tools.
set -euo pipefail
data=$1
version=$2
desktop-file-validate "$data/tempiro.desktop"
appstreamcli validate --no-net "$data/com.example.marrowby.Tempiro.metainfo.xml"
grep -qx 'Categories=Utility;Clock;' "$data/tempiro.desktop"
# The launcher's right-click actions are the command line's.
grep -qx 'Exec=tempiro --stopwatch' "$data/tempiro.desktop"
grep -qx 'Exec=tempiro --set-alarm' "$data/tempiro.desktop"
# The release list names this version.
grep -q "<release version=\"$version\"" "$data/com.example.marrowby.Tempiro.metainfo.xml"
echo "desktop files valid"
