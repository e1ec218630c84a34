#!/usr/bin/env bash
# A logout or kill while the Enter Time dialog or a message box is open: the program saves the
# alarm it runs (not what is half typed in the dialog) and ends. The real program under a
# virtual X server with a window manager, driven with xdotool as a user would.
# Usage: close_with_dialog_open.sh <tempiro program>
set -euo pipefail
program=$1

home=
trap '[ -z "$home" ] || rm -rf "$home"' EXIT

# Starts the program with a saved alarm (and a link when given); sets pid, settings and main.
start() {
    home=$(mktemp -d)
    settings="$home/config/VB and VBA Program Settings/Tempiro Timer.conf"
    mkdir -p "$(dirname "$settings")" "$home/empty"
    printf '[Settings]\nAlarmTime=2027-01-15T10:00:00\nnTimeorInterval=0\nsEventTitle=Kept\nsLink=%s\n' \
        "${1:-}" >"$settings"
    # No desktop associations at all: no browser is found.
    LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$home/config" \
        XDG_DATA_HOME="$home/data" XDG_DATA_DIRS="$home/empty" XDG_CONFIG_DIRS="$home/empty" \
        "$program" 2>/dev/null &
    pid=$!
    main=$(timeout 15 xdotool search --sync --onlyvisible --name '^Tempiro to Kept$' | head -1)
}

# SIGTERM must end the program within 5 s, with status 0 and the running alarm saved.
expect_clean_end() {
    kill -TERM "$pid"
    local waited=0
    while kill -0 "$pid" 2>/dev/null; do
        if [ $waited -ge 50 ]; then
            echo "FAIL: still running 5 s after SIGTERM with $1 open"
            kill -KILL "$pid"
            exit 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    local status=0
    wait "$pid" || status=$?
    if [ $status -ne 0 ]; then
        echo "FAIL: exit status $status with $1 open"
        exit 1
    fi
    if ! grep -qx 'AlarmTime=15 Jan 2027 10:00:00' "$settings" ||
        ! grep -qx 'sEventTitle=Kept' "$settings"; then
        echo "FAIL: the running alarm was not saved with $1 open:"
        cat "$settings"
        exit 1
    fi
    echo "closed in $((waited * 100)) ms or less with $1 open; alarm saved"
    rm -rf "$home"
}

session() {
    openbox >/dev/null 2>&1 &
    sleep 1

    start
    eval "$(xdotool getwindowgeometry --shell "$main")"
    # A click on the upper time line opens the dialog; something else goes into its time box.
    xdotool mousemove $((X + 150)) $((Y + 60)) click 1
    timeout 10 xdotool search --sync --onlyvisible --name '^Enter Time$' >/dev/null
    xdotool key ctrl+a
    xdotool type --delay 20 "1/1/2030 10:00 AM"
    sleep 0.5
    expect_clean_end "the Enter Time dialog"

    # Go without a browser: the message box waits for its OK in a loop of its own.
    start "https://example.org/auction"
    xdotool windowactivate --sync "$main" key alt+g
    timeout 10 xdotool search --sync --onlyvisible --name '^Problem running Browser$' >/dev/null
    expect_clean_end "a message box"
}

if [ "${2:-}" = --inside ]; then
    session
else
    exec xvfb-run -a -s "-screen 0 1024x700x24" "$0" "$program" --inside
fi
