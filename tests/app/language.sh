#!/usr/bin/env bash
# The interface in the user's language, read as a screen reader reads it from the real program
# (its menus, the Enter Time dialog) and from its command line (--help, a refusal): German under
# de_DE.UTF-8, the design's English under en_US.UTF-8.
# Usage: language.sh <tempiro program>
set -euo pipefail
here=$(dirname "$0")
program=$1
source "$here/../support/private-session.sh"
desktop_session
accessibility_bus

# The names of the program's menus, its Enter Time dialog and that dialog's buttons.
names() {
    /usr/bin/python3 - <<'PY'
import pyatspi
def walk(o, path):
    try:
        role = o.getRole()
        if role in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_DIALOG, pyatspi.ROLE_PUSH_BUTTON) and \
                (role != pyatspi.ROLE_PUSH_BUTTON or pyatspi.ROLE_DIALOG in path):
            print(o.name)
        for child in o:
            walk(child, path + [role])
    except Exception:
        pass
for app in pyatspi.Registry.getDesktop(0):
    if app and app.name == "tempiro":
        walk(app, [])
PY
}

# Checks one language: the words each place must show, and a stop in between.
check() {
    local lang=$1 menu=$2 dialog=$3 cancel=$4 usage=$5 refusal=$6
    export LANG=$lang LC_ALL=$lang QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    "$program" --help | grep -qxF "$usage" || fail "$lang: --help does not start with '$usage'"
    local said
    said=$("$program" --warn abc 2>&1 >/dev/null) && fail "$lang: --warn abc was taken"
    [ "$said" = "$refusal" ] || fail "$lang: the refusal was '$said', not '$refusal'"
    "$program" --set-alarm 2>/dev/null &
    local pid=$!
    wait_window "^$dialog\$" 15 >/dev/null
    local found
    wait_until 10 "the menus and '$dialog' on the accessibility bus" \
        bash -c "$(declare -f names); names | grep -qxF '$cancel'"
    found=$(names)
    for word in "$menu" "$dialog" "$cancel"; do
        grep -qxF "$word" <<<"$found" || fail "$lang: no '$word' among: $(tr '\n' '|' <<<"$found")"
    done
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

check de_DE.UTF-8 "Anzeige" "Zeit eingeben" "Abbrechen" "Aufruf: tempiro [Optionen]" \
    "Die Vorwarnzeit muss eine Zahl von -32768 bis 32767 sein."
check en_US.UTF-8 "Display" "Enter Time" "Cancel" "Usage: tempiro [options]" \
    "Warning minutes must be a number from -32768 to 32767."
echo "German under de_DE.UTF-8 and the design's English under en_US.UTF-8: menus, Enter Time, --help and a refusal"
