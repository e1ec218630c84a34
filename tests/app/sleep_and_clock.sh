#!/usr/bin/env bash
# Sleep, the hold on it and the clock's state on the real program, with stand-in logind and
# timedate1 on a system bus of the test's own and a notification server on a session bus of its
# own. The wall clock is a file under libfaketime, so that an hour can pass while the program is
# stopped as a sleeping computer stops it.
# Usage: sleep_and_clock.sh <tempiro program> <libfaketime>
set -euo pipefail
program=$1
here=$(dirname "$0")
source "$here/../support/private-session.sh"
/usr/bin/python3 -c 'import dbus, gi' 2>/dev/null || fail "python3-dbus and python3-gi are needed"

desktop_session
private_bus system
desktop=$home/desktop.log system=$home/system.log
standins desktop-standins.py "$desktop"
standins system-standins.py "$system"

settings="$home/config/VB and VBA Program Settings/Tempiro Timer.conf"
mkdir -p "$(dirname "$settings")"
printf '[Settings]\nbKeepAwake=True\n' >"$settings"
echo "@2026-12-08 21:50:00" >"$home/clock"
export TZ=UTC QT_QPA_PLATFORM=xcb
export FAKETIME_TIMESTAMP_FILE=$home/clock FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1
# The times as an American reader writes them (Qt needs no installed locale for them); the
# shell itself keeps its own.
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 LD_PRELOAD=$2 "$program" --in 5m --title Auction 2>/dev/null &
pid=$!
_cleanup+=("kill $pid 2>/dev/null || true")

wait_until 10 "the question to timedate1" grep -qs '"NTPSynchronized"' "$system"
wait_until 10 "the notice of an unsynchronised clock" \
    grep -qs 'The system clock is not synchronised: the countdown may be off' "$desktop"
wait_until 10 "a hold on sleep five minutes before the end" \
    grep -qs '"who": "Tempiro Timer", "why": "Auction ends at 9:55 PM", "mode": "block"' "$system"
grep -q '"what": "sleep:idle"' "$system" || fail "the hold is not on sleep and idle"

# The word of a sleep, then the program stands still while an hour passes, and the word of the
# wake is lost; but the computer never slept (its suspended time did not grow): the end is told
# as any other, not as passed asleep.
sleep_signal() {
    dbus-send --bus="$DBUS_SYSTEM_BUS_ADDRESS" --type=method_call --dest=org.tempiro.TestSystem \
        /org/freedesktop/login1 org.tempiro.TestSystem.Sleep "boolean:$1"
}
sleep_signal true
sleep 0.5
kill -STOP "$pid"
echo "@2026-12-08 22:50:00" >"$home/clock"
kill -CONT "$pid"
wait_until 5 "the notice of the end" grep -qs '"body": "Time Expired"' "$desktop"
! grep -q 'while the computer was asleep' "$desktop" || fail "an end told as passed asleep"
wait_until 5 "the hold's release an hour after the end" grep -qs '"released"' "$system"

kill -TERM "$pid"
wait "$pid" || fail "the timer did not end cleanly"
