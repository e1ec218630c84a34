#!/usr/bin/env bash
# The command line on the real program under a virtual X server: a command given while a timer
# runs changes the running timer at once (and is saved), bad input is refused with the dialog's
# message and status 2 and changes nothing, and a command with nothing running starts the timer.
# Usage: command_line.sh <tempiro program>
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/private-session.sh"

# HOME, the XDG folders (XDG_RUNTIME_DIR among them) and the buses are the test's own, for every
# program this script starts: a timer the user has open never meets them.
private_home
own_display
window_manager
export LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=xcb
settings="$home/config/VB and VBA Program Settings/Tempiro Timer.conf"

# Runs a command; fails unless it ends with the status given. Sets out and err.
expect_status() {
    local want=$1 status=0
    shift
    out=$(timeout 10 "$program" "$@" 2>"$home/err") || status=$?
    err=$(cat "$home/err")
    [ "$status" -eq "$want" ] || fail "tempiro $* ended with $status, not $want: $out $err"
}

"$program" 2>/dev/null &
pid=$!
_cleanup+=("kill $pid 2>/dev/null || true")
wait_window '^Tempiro Timer$' 15 >/dev/null

expect_status 0 --in 25m --title Tea
wait_window '^Tempiro to Tea$' 5 >/dev/null
grep -qx 'sEventTitle=Tea' "$settings" || fail "the new alarm was not saved at once"
ends=$(sed -n 's/^AlarmTimeISO=//p' "$settings")
[ $(($(date -ud "$ends" +%s) - $(date -u +%s))) -ge 1490 ] || fail "not 25 minutes ahead: $ends"

expect_status 0 --pause
expect_status 0 --status
[[ "$out" == "Tempiro to Tea: paused, 00:2"*" left, ends "* ]] || fail "status: $out"

expect_status 2 --at "not a date"
[ "$err" = "Date/time is not in the correct format." ] || fail "message: $err"
expect_status 0 --status --json
[[ "$out" == *'"paused":true'*'"title":"Tea"'* ]] || fail "the running timer changed: $out"

# Given where another locale and zone are the user's, a target is read there, as typed.
TZ=Europe/Berlin LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 timeout 10 "$program" \
    --at "03.04.2027 22:00" >/dev/null || fail "a target given in Berlin was refused"
expect_status 0 --status --json
[[ "$out" == *'"target":"2027-04-03T20:00:00Z"'* ]] || fail "read on the running timer's clock: $out"

# Five warning beeps play while the timer answers: neither the command that set them off nor a
# status asked meanwhile waits for them (1.5 s).
timed_status() {
    local start=$(date +%s%N)
    expect_status 0 "$@"
    elapsed=$((($(date +%s%N) - start) / 1000000))
    [ "$elapsed" -lt 1000 ] || fail "tempiro $* took $elapsed ms while the beeps played"
}
timed_status --in 4m30s --warn 10
timed_status --status

# A stopped timer: each of more callers than its socket's queue gives up within its deadline,
# says that nothing was changed, and nothing is changed when the timer goes on.
kill -STOP "$pid"
callers=()
for i in $(seq 8); do
    timeout 6 "$program" --in 5m --title "Late $i" >"$home/late.$i" 2>&1 & callers+=($!)
done
for i in $(seq 8); do
    status=0
    wait "${callers[$((i - 1))]}" || status=$?
    [ "$status" -eq 1 ] || fail "caller $i of a stopped timer ended with $status, not 1"
    grep -q 'did not answer within 2 s; nothing was changed' "$home/late.$i" ||
        fail "caller $i: $(cat "$home/late.$i")"
done
kill -CONT "$pid"
expect_status 0 --status --json
[[ "$out" == *'"title":"Tea"'* ]] || fail "a caller that gave up changed the timer: $out"

kill -TERM "$pid"
wait "$pid" || fail "the timer did not end cleanly"
[ ! -e "$XDG_RUNTIME_DIR/tempiro.socket" ] || fail "the socket stayed after a clean close"
expect_status 3 --status
[[ "$out" == "Tempiro to Tea: "*"(not running)" ]] || fail "status when not running: $out"

# A first start with a title: the title is the timer's, not taken by Qt for the window's.
"$program" --stopwatch --title Soup 2>/dev/null &
pid=$!
_cleanup+=("kill $pid 2>/dev/null || true")
wait_window '^Timing of Soup$' 15 >/dev/null
# Ended and waited for here: it saves at its close, into the home the cleanup removes.
kill -TERM "$pid"
wait "$pid" || fail "the stop watch did not end cleanly"
# An auction's end pasted with its zone, started where the user is: the instant it names, in the
# local zone at that date's offset, read in the user's locale.
while IFS='|' read -r zone locale typed target; do
    TZ=$zone LANG=$locale LC_ALL=$locale "$program" --at "$typed" --title Lot 2>/dev/null &
    pid=$!
    _cleanup+=("kill $pid 2>/dev/null || true")
    # Titled in the user's language ("Tempiro bis Lot" in German).
    wait_window ' Lot$' 15 >/dev/null
    out=$(TZ=$zone LANG=$locale LC_ALL=$locale timeout 10 "$program" --status --json)
    [[ "$out" == *"\"target\":\"$target\""* ]] || fail "$typed in $zone: $out"
    kill -TERM "$pid"
    wait "$pid" || fail "the timer in $zone did not end cleanly"
done <<'CASES'
Asia/Tokyo|C.UTF-8|12/25/2027 10:00 PM PST|2027-12-26T15:00:00+09:00
Europe/Berlin|de_DE.UTF-8|25.12.2027 22:00 MEZ|2027-12-25T22:00:00+01:00
America/New_York|en_GB.UTF-8|25/07/2027 22:00 CEST|2027-07-25T16:00:00-04:00
Asia/Kolkata|en_US.UTF-8|2027-12-25T22:00:00Z|2027-12-26T03:30:00+05:30
CASES
echo "set, paused, read and refused through the running timer; a stop watch started; zoned targets right in four zones"
