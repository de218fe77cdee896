#!/usr/bin/env bash
# The hex editor on a file of pseudo-random bytes (1 GB; ZUK_BENCH_MB sets
# another size): hexedit_guibench opens and paints it, jumps to the end,
# measures the memory and saves one changed byte against cp. Targets: open
# and first paint under 0.3 s, the jump under 50 ms, under 100 MB resident,
# the save within 1.2 times cp.
#
# With a display ($DISPLAY) and a peer hex editor installed (ghex, okteta),
# the peer is timed as a black box on the same file and on a one-byte file:
# from its start until its window shows and until it has done its work; the
# difference between the two files is what opening the big one costs it, to
# set beside Zuk's open time.
set -euo pipefail
exe="${ZUK_BUILD_DIR:?}/bench/hexedit_guibench"
[ -x "$exe" ] || { echo "hexedit_guibench is not built"; exit 1; }
mb=${ZUK_BENCH_MB:-1024}
dir=$(mktemp -d "${TMPDIR:-/tmp}/zuk-hexbench-XXXXXX")
trap 'rm -rf "$dir"' EXIT
head -c $((mb * 1024 * 1024)) /dev/urandom > "$dir/big.bin"
printf 'x' > "$dir/small.bin"

"$exe" "$dir/big.bin" 2>/dev/null

# The peer started on FILE: seconds until its window shows, seconds until it
# is done (its processor time stands still for half a second: the file is
# read and shown) and its peak resident memory in MB.
time_peer() {
  local file=$1; shift
  local start shown ready pid ticks last still
  start=$(date +%s.%N)
  "$@" "$file" >/dev/null 2>&1 &
  pid=$!
  if ! timeout 120 xdotool search --sync --onlyvisible --name "$(basename "$file")" >/dev/null 2>&1; then
    echo "none none none"
    kill "$pid" 2>/dev/null || true
    return
  fi
  shown=$(date +%s.%N)
  last=-1
  still=0
  ready=$shown
  for _ in $(seq 1 1200); do
    ticks=$(awk '{ print $14 + $15 }' "/proc/$pid/stat" 2>/dev/null || echo gone)
    if [ "$ticks" = "$last" ]; then
      still=$((still + 1))
      [ $still -ge 5 ] && break
    else
      still=0
      ready=$(date +%s.%N)
    fi
    last=$ticks
    sleep 0.1
  done
  local peak
  peak=$(awk '/VmHWM/ { printf "%d", $2 / 1024 }' "/proc/$pid/status" 2>/dev/null || echo "?")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  awk -v a="$start" -v b="$shown" -v c="$ready" -v m="$peak" \
    'BEGIN { printf "%.3f %.3f %s\n", b - a, c - a, m }'
}

if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null; then
  echo "  (no display or no xdotool: no peer timed)"
  exit 0
fi
for peer in ghex okteta; do
  command -v "$peer" >/dev/null || continue
  time_peer "$dir/small.bin" "$peer" >/dev/null # warm start: libraries in the cache
  read -r small_shown small_ready small_peak < <(time_peer "$dir/small.bin" "$peer")
  read -r big_shown big_ready big_peak < <(time_peer "$dir/big.bin" "$peer")
  echo "  $peer, 1 byte: window after $small_shown s, done after $small_ready s, peak $small_peak MB"
  echo "  $peer, $mb MB: window after $big_shown s, done after $big_ready s, peak $big_peak MB"
done
