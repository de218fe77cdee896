#!/usr/bin/env bash
# The file box listing and painting a folder of 100,000 files against ls -la
# (see filebox_guibench.cpp). Target: under 0.5 s and within 1.5 times ls.
set -euo pipefail
exe="${ZUK_BUILD_DIR:?}/bench/filebox_guibench"
[ -x "$exe" ] || { echo "filebox_guibench is not built"; exit 1; }
"$exe" 100000 2>/dev/null
