#!/usr/bin/env bash
# The display goes away (the X server ends: a crash, a session ended without logging out) right
# after a new alarm was set in Enter Time: the program cannot close normally, and the new alarm
# must already be saved.
# Usage: display_lost.sh <tempiro program>
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/private-session.sh"

private_home
own_display
window_manager
settings="$home/config/VB and VBA Program Settings/Tempiro Timer.conf"
LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=xcb "$program" 2>/dev/null &
pid=$!
_cleanup+=("kill $pid 2>/dev/null || true")
main=$(wait_window '^Tempiro Timer$' 15)
eval "$(xdotool getwindowgeometry --shell "$main")"
# A click on the upper time line opens Enter Time; a target typed over the shown one, then OK.
xdotool mousemove $((X + 150)) $((Y + 60)) click 1
wait_window '^Enter Time$' 10 >/dev/null
xdotool key ctrl+a
xdotool type --delay 20 "1/1/2030 10:00 AM"
xdotool key Return
wait_until 5 "the new alarm saved after its OK" grep -qsx 'AlarmTime=1 Jan 2030 10:00:00' "$settings"
kill "$display_pid"
wait_until 10 "the program's end after its display ended" eval "! kill -0 $pid 2>/dev/null"
grep -qx 'AlarmTime=1 Jan 2030 10:00:00' "$settings" || fail "the new alarm was lost: $(cat "$settings")"
echo "the alarm set just before the display ended was kept"
