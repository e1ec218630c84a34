#!/usr/bin/env bash
# Fails when a translation is not whole or not current: a message left unfinished, or one that
# vanished from the sources or went obsolete, or a .ts file that lupdate would change (the
# sources and the translations disagree).
#   check-translations.sh LUPDATE [TS_DIR]
set -euo pipefail
lupdate=$1
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
folder=${2:-$top/translations}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$folder"/tempiro_*.ts; do
    name=$(basename "$ts")
    for kind in unfinished vanished obsolete; do
        if count=$(grep -c "type=\"$kind\"" "$ts"); then
            echo "$name: $count $kind message(s)"
            status=1
        fi
    done
    cp "$ts" "$work/$name"
    # As the build's update_translations target reads them: the sources of both programs.
    (cd "$top" && "$lupdate" -silent src companion -locations none -no-ui-lines -no-obsolete \
        -ts "$work/$name") >/dev/null
    if ! diff -u "$ts" "$work/$name" >"$work/$name.diff"; then
        echo "$name: lupdate would change it (run: cmake --build build --target update_translations)"
        head -40 "$work/$name.diff"
        status=1
    fi
done
exit $status
