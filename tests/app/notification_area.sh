#!/usr/bin/env bash
# The notification-area item and the answerable notices, on the real program under a virtual X
# server with a session bus of the test's own, a stand-in StatusNotifierWatcher and a stand-in
# notification server (tests/support/desktop-standins.py); notification_area.py drives it.
# Usage: notification_area.sh <tempiro program>
set -euo pipefail
here=$(dirname "$0")
source "$here/../support/private-session.sh"
/usr/bin/python3 -c 'import dbus, gi' 2>/dev/null || fail "python3-dbus and python3-gi are needed"

desktop_session
log=$home/desktop.log
standins desktop-standins.py "$log"
LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=xcb \
    /usr/bin/python3 "$here/notification_area.py" "$1" "$log"
