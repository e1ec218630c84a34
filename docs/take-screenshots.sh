#!/usr/bin/env bash
# Takes the README's screenshots of the real program under a virtual X server with a window
# manager: the main window, and the Enter Time dialog beside it; and the notification-area icon's
# states. Run by `make screenshots`. The
# program runs in a home of its own, so that it neither meets a timer you keep running nor
# touches your settings.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=$top/build/bin/tempiro
source "$top/tests/support/private-session.sh"

private_home
own_display
window_manager
LANG=en_US.UTF-8 "$program" &
pid=$!
_cleanup+=("kill $pid 2>/dev/null || true")
wid=$(wait_window '^Tempiro Timer$' 15)
xdotool windowmove --sync "$wid" 10 30
sleep 1
import -window root -crop 380x360+0+0 "$top/docs/main-window.png"
eval "$(xdotool getwindowgeometry --shell "$wid")"
# A click on the upper time line opens the dialog.
xdotool mousemove $((X + 150)) $((Y + 60)) click 1
wait_window '^Enter Time$' 10 >/dev/null
sleep 0.5
xdotool key ctrl+a
xdotool type --delay 20 "12/25/2027 10:00 PM PST"
sleep 0.5
import -window root -crop 700x360+0+0 "$top/docs/enter-time.png"
kill -TERM "$pid"
wait "$pid" || true
# The notification-area icon in each state (counting, last hour, paused, expired, stop watch) at
# 16, 24 and 32 px, drawn by the icon's own test.
TEMPIRO_ICON_SHEET="$top/docs/tray-icons.png" QT_QPA_PLATFORM=offscreen \
    "$top/build/bin/tray_tests" --gtest_filter='TrayIcon.*' >/dev/null
echo "docs/main-window.png, docs/enter-time.png and docs/tray-icons.png written"
