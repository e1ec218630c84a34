#!/usr/bin/env bash
# The package as users get it: installed into a prefix that belongs to root and started by an
# ordinary user whose desktop names a browser and a calendar program. --help must speak the
# user's language, Go and Help → Web Site must reach that browser with the address, Tools →
# Create Appointment the calendar program with the event, and nothing may be written beside the
# program or into the working folder.
# Usage: installed_as_user.sh <build folder>   (as root; skipped otherwise)
set -euo pipefail
build=$(cd "$1" && pwd)
[ "$(id -u)" -eq 0 ] || { echo "needs root to install and to change user"; exit 77; }
source "$(dirname "$0")/../support/private-session.sh"
# The program runs as another user, who must reach this user's X server.
own_display -ac

prefix=$(mktemp -d)
home=$(mktemp -d)
_cleanup+=("rm -rf '$prefix' '$home'")
chmod 755 "$prefix" "$home"
cmake --install "$build" --prefix "$prefix" >/dev/null
installed=$(cd "$prefix" && find . | sort)

# The user's home: a stub browser as the desktop's handler of web addresses, and a saved link.
mkdir -p "$home/data/applications" "$home/config/VB and VBA Program Settings" "$home/calls" \
         "$home/work" "$home/runtime" "$home/empty"
cat >"$home/browser" <<STUB
#!/bin/sh
printf '%s\n' "\$@" > "$home/calls/\$\$"
STUB
chmod 755 "$home/browser"
printf '[Desktop Entry]\nType=Application\nName=Stub\nExec=env STUB=1 %s %%u\n' "$home/browser" \
    >"$home/data/applications/stub-browser.desktop"
# The calendar program keeps a copy of the appointment it is handed.
cat >"$home/calendar" <<STUB
#!/bin/sh
cp "\$1" "$home/appointment.ics"
STUB
chmod 755 "$home/calendar"
printf '[Desktop Entry]\nType=Application\nName=Cal\nExec=%s %%f\nMimeType=text/calendar;\n' \
    "$home/calendar" >"$home/data/applications/stub-calendar.desktop"
printf '[Default Applications]\nx-scheme-handler/https=stub-browser.desktop\ntext/calendar=stub-calendar.desktop\n' \
    >"$home/config/mimeapps.list"
printf '[Settings]\nAlarmTime=2027-01-15T10:00:00\nsEventTitle=Kept\nsLink=auction.example/lot 7\n' \
    >"$home/config/VB and VBA Program Settings/Tempiro Timer.conf"
chown -R nobody "$home"
chmod 700 "$home/runtime"

# Waits until the stub has been started n times; prints what the last start was given.
calls() {
    for _ in $(seq 50); do
        [ "$(ls "$home/calls" | wc -l)" -ge "$1" ] && break
        sleep 0.1
    done
    [ "$(ls "$home/calls" | wc -l)" -ge "$1" ] || fail "the browser was not started $1 time(s) within 5 s"
    cat "$(ls -t "$home/calls"/* | head -1)"
}

session() {
    # The installed program finds its translations beside it.
    setpriv --reuid=nobody --regid=nogroup --clear-groups env -i PATH=/usr/bin:/bin HOME="$home" \
        XDG_RUNTIME_DIR="$home/runtime" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        XDG_CACHE_HOME="$home/cache" LANGUAGE=de LANG=C.UTF-8 "$prefix/bin/tempiro" --help |
        grep -q '^Tempiro Timer: ein Countdown' ||
        fail "the installed program's --help is not in German with LANGUAGE=de"
    window_manager
    (cd "$home/work" && exec setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb \
        LANG=C.UTF-8 TZ=UTC XDG_RUNTIME_DIR="$home/runtime" XDG_CONFIG_HOME="$home/config" \
        XDG_DATA_HOME="$home/data" XDG_DATA_DIRS="$home/empty" XDG_CONFIG_DIRS="$home/empty" \
        DBUS_SESSION_BUS_ADDRESS="unix:path=$home/no-bus" "$prefix/bin/tempiro" 2>/dev/null) &
    pid=$!
    _cleanup+=("kill $pid 2>/dev/null || true")
    main=$(wait_window '^Tempiro to Kept$' 15)
    xdotool windowactivate --sync "$main" key alt+g
    [ "$(calls 1)" ] && [ "$(stat -c %U "$(ls "$home/calls"/* | head -1)")" = nobody ] || { echo "FAIL: not run as nobody"; exit 1; }
    [ "$(calls 1)" = "http://auction.example/lot%207" ] || { echo "FAIL: Go gave: $(calls 1)"; exit 1; }
    xdotool windowactivate --sync "$main" key alt+h key w
    [ "$(calls 2)" = "https://www.example.com/marrowby/" ] ||
        { echo "FAIL: Web Site gave: $(calls 2)"; exit 1; }
    xdotool windowactivate --sync "$main" key alt+t key a
    for _ in $(seq 50); do [ -s "$home/appointment.ics" ] && break; sleep 0.1; done
    grep -q '^SUMMARY:Kept' "$home/appointment.ics" ||
        fail "the calendar program did not get the appointment within 5 s"
    kill -TERM "$pid"
    wait "$pid" || true
    [ "$(cd "$prefix" && find . | sort)" = "$installed" ] ||
        { echo "FAIL: files were written beside the program:"; (cd "$prefix" && find . -newer bin); exit 1; }
    [ -z "$(ls -A "$home/work")" ] || { echo "FAIL: files left in the working folder"; exit 1; }
    echo "Go, Web Site and the appointment reached the desktop's programs; nothing written beside the program"
}

session
