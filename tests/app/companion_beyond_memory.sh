#!/usr/bin/env bash
# A companion file of 200 MB and a memory limit that cannot hold it: the close writes the user's
# settings first, then hands the alarm to the companion's file, going through it a block at a
# time, and ends normally.
# Usage: companion_beyond_memory.sh <tempiro program>
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/private-session.sh"

# HOME, the XDG folders (XDG_RUNTIME_DIR among them) and the buses are the test's own, for every
# program this script starts: a timer the user has open never meets them.
private_home
own_display
companion="$XDG_DATA_HOME/VB and VBA Program Settings/HKEY_USERS.reg"
settings="$XDG_CONFIG_HOME/VB and VBA Program Settings/Tempiro Timer.conf"
mkdir -p "$(dirname "$companion")" "$(dirname "$settings")"
{
    echo REGEDIT4
    head -c 200000000 /dev/zero | tr '\0' '\n'
    printf '[HKEY_USERS\\.DEFAULT\\Software\\VB and VBA Program Settings\\TVSrvc\\Options]\n'
} >"$companion"
printf '[Settings]\nsEventTitle=Kept\n' >"$settings"
# About 300 MB of address space is what the timer itself reserves.
(
    ulimit -v 400000
    exec env LANG=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="tempiro.trace.debug=true" \
        "$program"
) >"$home/out" 2>&1 &
pid=$!
_cleanup+=("kill $pid 2>/dev/null || true")
wait_until 15 "the timer's first display" grep -q 'Display:' "$home/out"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ $status -eq 0 ] || fail "ended with status $status: $(tail -3 "$home/out")"
! grep -q "Settings not saved" "$home/out" || fail "a save failed: $(grep 'not saved' "$home/out")"
grep -qx 'bTrayIcon=True' "$settings" && grep -qx 'sEventTitle=Kept' "$settings" ||
    fail "the settings were not written: $(cat "$settings")"
[ "$(tail -c 200 "$companion" | grep -c '^"bTPAutoOpen"=\|^"sTPAlarmTime"=')" -eq 2 ] ||
    fail "the hand-off is not at the end of the companion's section: $(tail -c 300 "$companion")"
[ "$(stat -c %s "$companion")" -gt 200000000 ] || fail "the companion's file lost lines"
echo "settings written, the alarm handed to the companion's file, a normal end"
