# Sourced by the scripts that start the real program. A program under test must never meet the
# user's own running timer (the one-copy guard would hand the test's start to it) nor read or
# write the user's settings, and parallel tests must never race for an X display number.

# Makes a home of the test's own and points every per-user folder into it: $home/{config,data,
# cache,runtime}, plus $home/empty for the system-wide folders, and no session or system bus, so
# that no notification reaches the user's desktop and no hold on sleep reaches the machine.
# Removed when the script ends.
private_home() {
    home=$(mktemp -d)
    mkdir -p "$home/config" "$home/data" "$home/cache" "$home/runtime" "$home/empty"
    chmod 700 "$home/runtime"
    export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data
    export XDG_CACHE_HOME=$home/cache XDG_RUNTIME_DIR=$home/runtime
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$home/no-bus
    export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$home/no-system-bus
    _cleanup+=("rm -rf '$home'")
}

# Starts a virtual X server on a display number the server picks itself (-displayfd), so that
# two tests started together never ask for the same one, and exports DISPLAY; display_pid is
# the server's. Arguments go to the server (-ac for a program run as another user).
own_display() {
    local number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x700x24 "$@" 3>"$number_file" 2>/dev/null &
    display_pid=$!
    _cleanup+=("kill $display_pid 2>/dev/null || true")
    local waited=0
    until [ -s "$number_file" ]; do
        [ $waited -lt 100 ] || fail "the virtual X server did not report its display within 10 s"
        sleep 0.1
        waited=$((waited + 1))
    done
    export DISPLAY=:$(head -1 "$number_file")
    rm -f "$number_file"
}

# Starts the window manager and waits until it manages the screen.
window_manager() {
    openbox >/dev/null 2>&1 &
    _cleanup+=("kill $! 2>/dev/null || true")
    local waited=0
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        [ $waited -lt 100 ] || fail "openbox did not take the screen within 10 s"
        sleep 0.1
        waited=$((waited + 1))
    done
}

# Prints the id of the first visible window whose title matches, waiting up to SECONDS; a wait
# that gives up says which window it waited for.
wait_window() {
    local id
    id=$(timeout "$2" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1) || true
    [ -n "$id" ] || fail "no visible window titled /$1/ within $2 s"
    echo "$id"
}

# Starts a session bus of the test's own and exports its address, for the stand-in desktop
# services a test brings (tests/support/desktop-standins.py); `private_bus system` starts one
# that stands for the system bus (tests/support/system-standins.py).
private_bus() {
    local out
    out=$(dbus-daemon --session --fork --print-address=1 --print-pid=1) ||
        fail "no ${1:-session} bus of the test's own could be started"
    if [ "${1:-}" = system ]; then
        export DBUS_SYSTEM_BUS_ADDRESS=$(sed -n 1p <<<"$out")
    else
        export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$out")
    fi
    _cleanup+=("kill $(sed -n 2p <<<"$out") 2>/dev/null || true")
}

# The session a test of the desktop's services needs: a home of the test's own (XDG_RUNTIME_DIR
# among its folders, so that a timer the user has open never meets the test's), a virtual X
# server with a window manager, and a session bus of its own.
desktop_session() {
    private_home
    own_display
    window_manager
    private_bus
}

# Starts the accessibility bus (at-spi2-core) on the session's bus, where a screen reader, or a
# test standing for one with pyatspi, reads the program.
accessibility_bus() {
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is needed"
    [ -x /usr/libexec/at-spi-bus-launcher ] || fail "at-spi2-core is needed"
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    _cleanup+=("kill $! 2>/dev/null || true")
    wait_until 10 "the accessibility bus's address on the session bus" \
        dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null
}

# Starts stand-in services (a script in tests/support) that log to LOG, and waits until they say
# they are ready. Usage: standins SCRIPT LOG [arguments]
standins() {
    local script=$1 log=$2
    shift 2
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/$script" "$log" "$@" &
    _cleanup+=("kill $! 2>/dev/null || true")
    wait_until 10 "the start of $script" grep -qs '"ready"' "$log"
}

# Runs the command every tenth of a second until it succeeds; after SECONDS it fails, saying
# what it waited for. Usage: wait_until SECONDS "what" command [arguments]
wait_until() {
    local seconds=$1 what=$2 waited=0
    shift 2
    until "$@"; do
        [ $waited -lt $((seconds * 10)) ] || fail "$what within $seconds s"
        sleep 0.1
        waited=$((waited + 1))
    done
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

_cleanup=()
_run_cleanup() {
    local i
    for ((i = ${#_cleanup[@]} - 1; i >= 0; i--)); do eval "${_cleanup[i]}"; done
}
trap _run_cleanup EXIT
