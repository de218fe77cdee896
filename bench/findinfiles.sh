#!/usr/bin/env bash
# zuk-text find-in-files against grep in the same run: a tree of headers
# (/usr/include, or ZUK_BENCH_TREE) with mask *.h, warm cache, the same set of
# files; then one big file (ZUK_BENCH_MB, default 1024) without a match, read
# whole. Targets: within 1.5x of grep on the tree, at least 1 GB/s on the file,
# memory about 32 MB plus the results.
set -euo pipefail
cli="${ZUK_CLI:?}"
tree="${ZUK_BENCH_TREE:-/usr/include}"
text="${ZUK_BENCH_TEXT:-unsigned}"
size="${ZUK_BENCH_MB:-1024}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

seconds() { # best of three, in seconds
  local best=999
  for _ in 1 2 3; do
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s.%N)
    best=$(echo "$end - $start" | bc -l | awk -v b="$best" '{ print ($1 < b) ? $1 : b }')
  done
  echo "$best"
}

"$cli" find-in-files --dir "$tree" --mask '*.h' --text "$text" 2>/dev/null | sort >"$work/zuk"
LC_ALL=C grep -r -i -l -F --include='*.h' -e "$text" "$tree" 2>/dev/null | sort >"$work/grep" || true
if cmp -s "$work/zuk" "$work/grep"; then same=yes; else same=NO; fi
zuk=$(seconds "$cli" find-in-files --dir "$tree" --mask '*.h' --text "$text")
ref=$(seconds env LC_ALL=C grep -r -i -l -F --include='*.h' -e "$text" "$tree")
printf 'tree %s: zuk %.3f s, grep %.3f s, ratio %.2f, same files: %s (%s files)\n' \
  "$tree" "$zuk" "$ref" "$(echo "$zuk / $ref" | bc -l)" "$same" "$(wc -l <"$work/zuk")"

head -c "$((size * 1024 * 1024))" /dev/urandom | tr -d 'zZ' >"$work/big.txt"
cat "$work/big.txt" >/dev/null
bytes=$(stat -c %s "$work/big.txt")
zuk=$(seconds "$cli" find-in-files --dir "$work" --mask 'big.txt' --text "zzzzzz")
ref=$(seconds env LC_ALL=C grep -i -l -F -e "zzzzzz" "$work/big.txt")
printf 'one file of %d MB: zuk %.3f s (%.2f GB/s), grep %.3f s, ratio %.2f\n' \
  "$((bytes / 1024 / 1024))" "$zuk" "$(echo "$bytes / $zuk / 1000000000" | bc -l)" "$ref" \
  "$(echo "$zuk / $ref" | bc -l)"
if command -v /usr/bin/time >/dev/null; then
  /usr/bin/time -f 'peak memory on the tree: %M KB' \
    "$cli" find-in-files --dir "$tree" --mask '*.h' --text "$text" >/dev/null 2>"$work/mem" || true
  tail -1 "$work/mem"
fi
