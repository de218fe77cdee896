#!/usr/bin/env bash
# A keystroke and Page Down in a 10 MB script, each with the repaint that
# follows it, through the main window: without highlighting, with a scheme
# (Python) and with two built-in highlighters. Target: under 16 ms each (one
# frame). Offscreen; with a display, QT_QPA_PLATFORM=xcb times real paints.
set -euo pipefail
exe="${ZUK_BUILD_DIR:?}/bench/typing_guibench"
[ -x "$exe" ] || { echo "typing_guibench is not built"; exit 1; }
"$exe" "${ZUK_BENCH_MB:-10}" 2>/dev/null
