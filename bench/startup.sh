#!/usr/bin/env bash
# Time from launch to an idle main window, twice: with an empty program folder
# and with the shipped data tree. The program prints "startup_ms N" at its
# first idle moment when ZUK_STARTUP_PROBE=1 and quits; the script also takes
# the wall-clock time of the whole run (process start and exit included).
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
runs=${2:-7}
zuk="$build/zuk"
[ -x "$zuk" ] || { echo "no $zuk; build first" >&2; exit 1; }

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export ZUK_STARTUP_PROBE=1

median() { sort -n | awk '{a[NR]=$1} END {if (NR % 2) print a[(NR+1)/2]; else print (a[NR/2]+a[NR/2+1])/2}'; }

measure() { # label, home folder
    local label=$1 home=$2 probe=() wall=()
    for ((i = 0; i < runs; i++)); do
        local t0 t1 out
        t0=$(date +%s%N)
        out=$("$zuk" --home "$home" 2>/dev/null)
        t1=$(date +%s%N)
        probe+=("$(sed -n 's/^startup_ms //p' <<<"$out")")
        wall+=($(( (t1 - t0) / 1000000 )))
    done
    printf '%-22s idle after %4s ms (median of %d), whole run %4s ms\n' "$label" \
        "$(printf '%s\n' "${probe[@]}" | median)" "$runs" "$(printf '%s\n' "${wall[@]}" | median)"
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/empty" "$tmp/shipped"
cp -r "$root/data/." "$tmp/shipped/"

measure "empty program folder" "$tmp/empty"
measure "shipped data tree" "$tmp/shipped"
