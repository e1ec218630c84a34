#!/usr/bin/env bash
# A logout or kill while the Enter Time dialog or a message box is open: the program saves the
# alarm it runs (not what is half typed in the dialog) and ends. The real program under a
# virtual X server with a window manager, driven with xdotool as a user would.
# Usage: close_with_dialog_open.sh <tempiro program>
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/private-session.sh"

# Starts the program in a home of its own with a saved alarm (and a link when given); sets pid,
# settings and main.
start() {
    private_home
    settings="$home/config/VB and VBA Program Settings/Tempiro Timer.conf"
    mkdir -p "$(dirname "$settings")"
    printf '[Settings]\nAlarmTime=2027-01-15T10:00:00\nnTimeorInterval=0\nsEventTitle=Kept\nsLink=%s\n' \
        "${1:-}" >"$settings"
    # No desktop associations at all: no browser is found.
    # HOME, the XDG folders (its own runtime folder among them) and the bus are the
    # private home's, exported by private_home.
    LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=xcb XDG_DATA_DIRS="$home/empty" \
        XDG_CONFIG_DIRS="$home/empty" "$program" 2>/dev/null &
    pid=$!
    _cleanup+=("kill $pid 2>/dev/null || true")
    main=$(wait_window '^Tempiro to Kept$' 15)
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
}

session() {
    own_display
    window_manager

    start
    eval "$(xdotool getwindowgeometry --shell "$main")"
    # A click on the upper time line opens the dialog; something else goes into its time box.
    xdotool mousemove $((X + 150)) $((Y + 60)) click 1
    wait_window '^Enter Time$' 10 >/dev/null
    xdotool key ctrl+a
    xdotool type --delay 20 "1/1/2030 10:00 AM"
    sleep 0.5
    expect_clean_end "the Enter Time dialog"

    # Go without a browser: the message box waits for its OK in a loop of its own.
    start "https://example.org/auction"
    xdotool windowactivate --sync "$main" key alt+g
    wait_window '^Problem running Browser$' 10 >/dev/null
    expect_clean_end "a message box"
}

session
