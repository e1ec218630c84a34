#!/usr/bin/env bash
# What a screen reader hears, on the real program under a virtual X server with a window
# manager, a session bus of the test's own and the accessibility bus it starts (at-spi2-core);
# screen_reader.py listens there as Orca does and drives the program.
# Usage: screen_reader.sh <tempiro program>
set -euo pipefail
here=$(dirname "$0")
source "$here/../support/private-session.sh"
desktop_session
accessibility_bus
# Qt speaks to the accessibility bus only while a screen reader is said to be running; the
# test is the reader.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=xcb \
    /usr/bin/python3 "$here/screen_reader.py" "$1"
