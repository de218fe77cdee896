#!/usr/bin/env bash
# The analyzer window on a document of millions of distinct words (80 MB, or
# ZUK_BENCH_MB): once stopped two seconds into the output, once written
# whole. Targets: the stop ends the output within a second, and Очистить
# gives the report's memory back (see wordstats_guibench.cpp).
set -euo pipefail
exe="${ZUK_BUILD_DIR:?}/bench/wordstats_guibench"
[ -x "$exe" ] || { echo "wordstats_guibench is not built"; exit 1; }
size="${ZUK_BENCH_MB:-80}"
"$exe" "$size" 2>/dev/null
"$exe" "$size" full 2>/dev/null
