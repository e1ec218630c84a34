#!/usr/bin/env bash
# Fails when the libraries link each other in a circle. Static libraries in a circle still link,
# so nothing else would notice; but then no library can be built, tested or read without the
# others, and a header edit relinks everything.
#   check-library-graph.sh BUILD_DIR     asks CMake for the build's link graph and checks it
#   check-library-graph.sh --dot FILE    checks a graph CMake already wrote
set -euo pipefail
if [ "${1:-}" = --dot ]; then
    dot=$2
else
    dot=$1/graph/libraries.dot
    mkdir -p "$(dirname "$dot")"
    cmake --graphviz="$dot" "$1" >/dev/null
fi
# Each edge `"nodeA" -> "nodeB"` becomes the pair of target names; tsort reports any circle.
names=$(sed -nE 's/^ *"(node[0-9]+)" \[ label = "([^"]+)".*/\1 \2/p' "$dot")
edges=$(sed -nE 's/^ *"(node[0-9]+)" -> "(node[0-9]+)".*/\1 \2/p' "$dot")
if ! order=$(awk 'NR == FNR { name[$1] = $2; next } { print name[$1], name[$2] }' \
        <(echo "$names") <(echo "$edges") | tsort 2>&1 >/dev/null); then
    echo "The libraries link in a circle:" >&2
    echo "$order" | sed -n 's/^tsort: -: input contains a loop:/ one of them:/p; s/^tsort: /   /p' >&2
    exit 1
fi
[ -n "$edges" ] || { echo "No link graph in $dot" >&2; exit 1; }
echo "Library graph: $(echo "$edges" | wc -l) links, no circle"
