#!/usr/bin/env bash
# A logout or kill while the Enter Time dialog is open: the program saves the alarm it runs (not
# what is half typed in the dialog) and ends. The real program under a virtual X server with a
# window manager, driven with xdotool as a user would.
# Usage: close_with_dialog_open.sh <tempiro program>
set -euo pipefail
program=$1

home=
trap '[ -z "$home" ] || rm -rf "$home"' EXIT

session() {
    home=$(mktemp -d)
    local settings="$home/config/VB and VBA Program Settings/Tempiro Timer.conf"
    mkdir -p "$(dirname "$settings")"
    printf '[Settings]\nAlarmTime=2027-01-15T10:00:00\nnTimeorInterval=0\nsEventTitle=Kept\n' \
        >"$settings"

    openbox >/dev/null 2>&1 &
    sleep 1
    LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$home/config" \
        XDG_DATA_HOME="$home/data" "$program" 2>/dev/null &
    local pid=$!

    local main
    main=$(timeout 15 xdotool search --sync --onlyvisible --name '^Tempiro to Kept$' | head -1)
    eval "$(xdotool getwindowgeometry --shell "$main")"
    # A click on the upper time line opens the dialog; something else goes into its time box.
    xdotool mousemove $((X + 150)) $((Y + 60)) click 1
    timeout 10 xdotool search --sync --onlyvisible --name '^Enter Time$' >/dev/null
    xdotool key ctrl+a
    xdotool type --delay 20 "1/1/2030 10:00 AM"
    sleep 0.5

    kill -TERM "$pid"
    local waited=0
    while kill -0 "$pid" 2>/dev/null; do
        if [ $waited -ge 50 ]; then
            echo "FAIL: still running 5 s after SIGTERM with the dialog open"
            kill -KILL "$pid"
            exit 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    local status=0
    wait "$pid" || status=$?
    if [ $status -ne 0 ]; then
        echo "FAIL: exit status $status"
        exit 1
    fi
    if ! grep -qx 'AlarmTime=15 Jan 2027 10:00:00' "$settings" ||
        ! grep -qx 'sEventTitle=Kept' "$settings"; then
        echo "FAIL: the running alarm was not saved:"
        cat "$settings"
        exit 1
    fi
    echo "closed in $((waited * 100)) ms or less with the dialog open; alarm saved"
}

if [ "${2:-}" = --inside ]; then
    session
else
    exec xvfb-run -a -s "-screen 0 1024x700x24" "$0" "$program" --inside
fi
