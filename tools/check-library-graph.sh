#!/usr/bin/env bash
# Fails when the libraries link each other in a circle, when the core reaches anything but Qt
# Core or the command line reaches the window system through its links, or when a folder
# includes a header of a library it does not link (an include that runs upward). Static libraries in a circle still
# link, and every library sees the whole source tree's headers, so nothing else would notice;
# but then no library can be built, tested or read without the others, and a header edit
# relinks everything.
#   check-library-graph.sh BUILD_DIR               asks CMake for the build's link graph
#   check-library-graph.sh --dot FILE [--src DIR]  checks a graph CMake already wrote
# Folder src/X (and companion/) is the library tempiro_X (tempiro_companion).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
src=$top
if [ "${1:-}" = --dot ]; then
    dot=$2
    [ "${3:-}" != --src ] || src=$4
else
    dot=$1/graph/libraries.dot
    mkdir -p "$(dirname "$dot")"
    cmake --graphviz="$dot" "$1" >/dev/null
fi
# Each edge `"nodeA" -> "nodeB"` becomes the pair of target names; tsort reports any circle.
names=$(sed -nE 's/^ *"(node[0-9]+)" \[ label = "([^"]+)".*/\1 \2/p' "$dot")
edges=$(sed -nE 's/^ *"(node[0-9]+)" -> "(node[0-9]+)".*/\1 \2/p' "$dot")
pairs=$(awk 'NR == FNR { name[$1] = $2; next } { print name[$1], name[$2] }' \
    <(echo "$names") <(echo "$edges"))
if ! order=$(echo "$pairs" | tsort 2>&1 >/dev/null); then
    echo "The libraries link in a circle:" >&2
    echo "$order" | sed -n 's/^tsort: -: input contains a loop:/ one of them:/p; s/^tsort: /   /p' >&2
    exit 1
fi
[ -n "$edges" ] || { echo "No link graph in $dot" >&2; exit 1; }

# What each library may reach through its links, directly or not. The core is the timer on Qt
# Core alone, so that no window, bus or zone database can creep into it; the command line reads
# and sends commands without a window system. Each rule: library, "only" or "never", targets.
rules='tempiro_core only tempiro_core tempiro_platform tempiro_warnings Qt6::Core Qt6::Platform WrapAtomic::WrapAtomic Threads::Threads dl Qt6::moc
tempiro_command never Qt6::Gui Qt6::Widgets'
reached=$(awk 'NR == FNR { link[$1] = link[$1] " " $2; next }
    {
        delete seen; n = 1; queue[1] = $1; seen[$1] = 1; head = 1
        while (head <= n) {
            split(link[queue[head++]], parts, " ")
            for (i in parts) if (!(parts[i] in seen)) { seen[parts[i]] = 1; queue[++n] = parts[i] }
        }
        if (!($1 in link)) next # not in this graph
        for (i = 3; i <= NF; i++) listed[$i] = 1
        for (t in seen) if (($2 == "only") != (t in listed)) print "   " $1 " reaches " t
        delete listed
    }' <(echo "$pairs") <(echo "$rules") | sort)
if [ -n "$reached" ]; then
    echo "Libraries that reach what they must not:" >&2
    echo "$reached" >&2
    exit 1
fi

# Every `#include "Y/..."` in folder X, as "file X Y", for Y another of our folders.
folders=$(cd "$src/src" && ls -d */ | tr -d /)
roots=$(cd "$src" && for d in src companion; do [ ! -d "$d" ] || echo "$d"; done)
# shellcheck disable=SC2086
includes=$(cd "$src" && grep -rHoE '^#include "[a-z]+/' $roots --include='*.h' --include='*.cpp' |
    sed -E 's|^((src/)?([a-z]+)/[^:]*):#include "([a-z]+)/$|\1 \3 \4|' |
    awk -v folders="$folders" 'BEGIN { n = split(folders, f, "\n"); for (i = 1; i <= n; i++) ours[f[i]] = 1 }
                               $2 != $3 && ($3 in ours)')
# Each include must reach a library the including one links, directly or through others.
upward=$(awk 'NR == FNR { link[$1] = link[$1] " " $2; next }
    function reaches(from, to,    queue, seen, head, n, parts, i, at) {
        queue[1] = from; seen[from] = 1; head = 1; n = 1
        while (head <= n) {
            at = queue[head++]
            if (at == to) return 1
            split(link[at], parts, " ")
            for (i in parts) if (!(parts[i] in seen)) { seen[parts[i]] = 1; queue[++n] = parts[i] }
        }
        return 0
    }
    !reaches("tempiro_" $2, "tempiro_" $3) { print "   " $1 " includes " $3 "/, but tempiro_" $2 " does not link tempiro_" $3 }' \
    <(echo "$pairs") <(echo "$includes"))
if [ -n "$upward" ]; then
    echo "Headers included upward, from a library that does not link theirs:" >&2
    echo "$upward" >&2
    exit 1
fi
echo "Library graph: $(echo "$edges" | wc -l) links, no circle; $(echo "$includes" | grep -c .) includes across folders, none upward"
