#!/usr/bin/env bash
# Opening and saving Russian text in UTF-8 against Windows-1251, each file in
# a process of its own: a UTF-8 file of 100 MB (ZUK_BENCH_MB) against a
# Windows-1251 file of the same size, and a UTF-8 file holding the same text
# as that Windows-1251 file (its words take 1.62 times the bytes in UTF-8).
# The UTF-8 file is checked and decoded on the way in and encoded on the way
# out, block by block. Printed as ratios of the UTF-8 figures to the
# Windows-1251 ones.
set -euo pipefail
exe="${ZUK_BUILD_DIR:?}/bench/openfile_guibench"
[ -x "$exe" ] || { echo "openfile_guibench is not built"; exit 1; }
mb=${ZUK_BENCH_MB:-100}
sameText=$(awk -v m="$mb" 'BEGIN { printf "%.1f", m * 1.62 }')
win=$("$exe" "$mb" 2>/dev/null)
utf8=$("$exe" "$mb" utf8 2>/dev/null)
utf8Text=$("$exe" "$sameText" utf8 2>/dev/null)
printf '%s\n%s\n%s\n' "$win" "$utf8" "$utf8Text"
figure() { sed -E "s/.*$1 ([0-9.]+) .*/\1/" <<<"$2"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
ratios() {
  echo "$1: open $(ratio "$(figure open "$2")" "$(figure open "$win")")x," \
       "save $(ratio "$(figure save "$2")" "$(figure save "$win")")x," \
       "peak $(ratio "$(figure peak "$2")" "$(figure peak "$win")")x"
}
ratios "UTF-8 / Windows-1251, files of the same size" "$utf8"
ratios "UTF-8 / Windows-1251, the same text" "$utf8Text"
