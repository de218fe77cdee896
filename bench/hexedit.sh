#!/usr/bin/env bash
# The hex editor on a file of pseudo-random bytes (1 GB; ZUK_BENCH_MB sets
# another size): hexedit_guibench opens and paints it, jumps to the end,
# measures the memory and saves one changed byte against cp. Targets: open
# and first paint under 0.3 s, the jump under 50 ms, under 100 MB resident,
# the save within 1.2 times cp.
#
# With a display ($DISPLAY) and a peer hex editor installed (ghex, okteta),
# the peer is timed as a black box on the same file: from its start until its
# window shows, for the big file and for a one-byte file; the difference is
# what the big file costs it, to set beside Zuk's open time.
set -euo pipefail
exe="${ZUK_BUILD_DIR:?}/bench/hexedit_guibench"
[ -x "$exe" ] || { echo "hexedit_guibench is not built"; exit 1; }
mb=${ZUK_BENCH_MB:-1024}
dir=$(mktemp -d "${TMPDIR:-/tmp}/zuk-hexbench-XXXXXX")
trap 'rm -rf "$dir"' EXIT
head -c $((mb * 1024 * 1024)) /dev/urandom > "$dir/big.bin"
printf 'x' > "$dir/small.bin"

"$exe" "$dir/big.bin" 2>/dev/null

# Seconds from the start of `$@ FILE` until a visible window named after FILE shows.
time_to_window() {
  local file=$1; shift
  local start end pid
  start=$(date +%s.%N)
  "$@" "$file" >/dev/null 2>&1 &
  pid=$!
  if timeout 120 xdotool search --sync --onlyvisible --name "$(basename "$file")" >/dev/null 2>&1; then
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", b - a }'
  else
    echo "none"
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null; then
  echo "  (no display or no xdotool: no peer timed)"
  exit 0
fi
for peer in ghex okteta; do
  command -v "$peer" >/dev/null || continue
  time_to_window "$dir/small.bin" "$peer" >/dev/null # warm start: libraries in the cache
  small=$(time_to_window "$dir/small.bin" "$peer")
  big=$(time_to_window "$dir/big.bin" "$peer")
  echo "  $peer: window shown after $small s (1 byte), $big s ($mb MB)"
done
