#!/usr/bin/env bash
# The Enter Time dialog placed left of and above the main window under a real window manager:
# the two outer rectangles, frames included, must not overlap; and the main window's place at
# its first warning.
# Usage: dialog_beside_frames.sh <tempiro program>
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/private-session.sh"
# HOME, the XDG folders (XDG_RUNTIME_DIR among them) and the buses are the test's own, for every
# program this script starts: a timer the user has open never meets them.
private_home

# Left, top, right, bottom of a window with its frame, as the window manager draws it.
outer() {
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    local extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r l r t b <<<"$extents"
    echo "$((X - l)) $((Y - t)) $((X + WIDTH + r)) $((Y + HEIGHT + b))"
}

# Opens the dialog with the main window at the given place (twips) and checks the side.
check() {
    local side=$1 left=$2 top=$3 width=$4
    mkdir -p "$home/config/VB and VBA Program Settings"
    printf '[Settings]\nAlarmTime=2027-01-15T10:00:00\nsEventTitle=Kept\nLeftfrmTempiro=%s\nTopfrmTempiro=%s\nWidthfrmTempiro=%s\nHeightfrmTempiro=4860\n' \
        "$left" "$top" "$width" >"$home/config/VB and VBA Program Settings/Tempiro Timer.conf"
    LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=xcb "$program" 2>/dev/null &
    pid=$!
    _cleanup+=("kill $pid 2>/dev/null || true")
    local main dialog
    main=$(wait_window '^Tempiro to Kept$' 15)
    sleep 0.5
    xdotool windowactivate --sync "$main" key alt+s key a
    dialog=$(wait_window '^Enter Time$' 10)
    sleep 0.5
    read -r ml mt mr mb <<<"$(outer "$main")"
    read -r dl dt dr db <<<"$(outer "$dialog")"
    local ok=0
    case $side in
    left) [ "$dr" -le "$ml" ] && ok=1 ;;
    above) [ "$db" -le "$mt" ] && ok=1 ;;
    esac
    if [ $ok -ne 1 ]; then
        echo "FAIL: dialog $dl,$dt-$dr,$db not $side of main window $ml,$mt-$mr,$mb"
        exit 1
    fi
    echo "$side: dialog $dl,$dt-$dr,$db, main window $ml,$mt-$mr,$mb"
    kill -TERM "$pid"
    wait "$pid" || true
}

own_display
window_manager
check left 9000 3000 5280
check above 0 6000 15000

# The first warning, falling on the very first update, puts the frame's corner at (320, 25) as
# any later one does. xwininfo gives the window's own corner and its offset in the frame.
rm -f "$home/config/VB and VBA Program Settings/Tempiro Timer.conf"
LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=xcb "$program" --in 30s --warn 1 \
    --title Tea 2>/dev/null &
pid=$!
_cleanup+=("kill $pid 2>/dev/null || true")
main=$(wait_window '^Tempiro to Tea$' 15)
corner() {
    xwininfo -id "$main" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /Relative upper-left X/ {x -= $NF} /Relative upper-left Y/ {y -= $NF} END {print x, y}'
}
wait_until 5 "the frame's corner at 320 25 after the first warning (at $(corner))" \
    test "$(corner)" = "320 25"
echo "first warning on the first update: frame's corner at $(corner)"
kill -TERM "$pid"
wait "$pid" || true
