#!/usr/bin/env bash
# "Заменить все" with millions of matches in a 100 MB document through the
# main window (one undo step), its undo, and a search for a text that is not
# there. Target: seconds, not minutes.
set -euo pipefail
exe="${ZUK_BUILD_DIR:?}/bench/replaceall_guibench"
[ -x "$exe" ] || { echo "replaceall_guibench is not built"; exit 1; }
"$exe" "${ZUK_BENCH_MB:-100}" 2>/dev/null
