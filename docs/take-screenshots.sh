#!/usr/bin/env bash
# Takes the README's screenshots of the real program under a virtual X server with a window
# manager: the main window, and the Enter Time dialog beside it. Run by `make screenshots`.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=$top/build/bin/tempiro

session() {
    local home
    home=$(mktemp -d)
    openbox >/dev/null 2>&1 &
    sleep 1
    LANG=en_US.UTF-8 XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" "$program" &
    local pid=$!
    sleep 2
    local wid
    wid=$(xdotool search --onlyvisible --name "Tempiro Timer" | head -1)
    xdotool windowmove --sync "$wid" 10 30
    sleep 1
    import -window root -crop 380x360+0+0 "$top/docs/main-window.png"
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    # A click on the upper time line opens the dialog.
    xdotool mousemove $((X + 150)) $((Y + 60)) click 1
    sleep 1
    xdotool key ctrl+a
    xdotool type --delay 20 "12/25/2027 10:00 PM PST"
    sleep 0.5
    import -window root -crop 700x360+0+0 "$top/docs/enter-time.png"
    kill -TERM "$pid"
    wait "$pid" || true
    rm -rf "$home"
}

if [ "${1:-}" = --inside ]; then
    session
else
    xvfb-run -a -s "-screen 0 1024x700x24" "${BASH_SOURCE[0]}" --inside
    echo "docs/main-window.png and docs/enter-time.png written"
fi
