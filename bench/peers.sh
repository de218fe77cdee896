#!/usr/bin/env bash
# Zuk side by side with FeatherPad, Geany and Kate in the peer harness: the
# current build is installed into a temporary prefix, given a program folder
# seeded by one start, and run interleaved with the peers on the harness's
# generated Windows-1251 files (start-up, 1, 10 and 100 MiB, one 10 MiB line),
# with a jump to the end after each file is idle. Prints the harness's tables
# and, per scenario and figure, Zuk's ratio to the best peer (under 1: Zuk is
# first). Skipped when the harness or a display server (Xvfb) is missing.
# Results and screenshots stay in PEERBENCH_OUT (default /tmp/zuk-peerbench).
#   bench/peers.sh                     RUNS=3 by default
#   RUNS=5 SCENARIOS="1M 100M" bench/peers.sh
#   PEERBENCH_DIR=/path/to/peerbench   where the harness is
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZUK_BUILD_DIR:-"$root/build"}
harness=${PEERBENCH_DIR:-"$root/../shared/peerbench"}
if [ ! -x "$harness/run_peers.sh" ]; then
  echo "peers: no harness at $harness (set PEERBENCH_DIR); skipped"
  exit 0
fi
command -v Xvfb >/dev/null || { echo "peers: no Xvfb; skipped"; exit 0; }
[ -x "$build/zuk" ] || { echo "peers: no $build/zuk; build first" >&2; exit 1; }

peers=()
command -v featherpad >/dev/null && peers+=(featherpad)
command -v geany >/dev/null && peers+=(geany-cp1251)
command -v kate >/dev/null && peers+=(kate-e1251)
[ ${#peers[@]} -gt 0 ] || echo "peers: no peer editor installed; Zuk alone"

tmp=$(mktemp -d "${TMPDIR:-/tmp}/zuk-peers-XXXXXX")
chmod 755 "$tmp"
trap 'rm -rf "$tmp"' EXIT
cmake --install "$build" --prefix "$tmp/inst" >/dev/null
# The editors run as another user in homes copied from the harness's seeds,
# which must be writable for that user (a read-only copy stops Geany at a
# question instead of opening the file).
cp -r "$harness" "$tmp/harness"
chmod -R u+w,a+rwX "$tmp/harness/seeds" 2>/dev/null || true

# One start makes the program folder a user has after the first run.
seed="$tmp/seed"
mkdir -p "$seed/.local/share"
HOME="$seed" XDG_DATA_HOME="$seed/.local/share" ZUK_STARTUP_PROBE=1 QT_QPA_PLATFORM=offscreen \
  "$tmp/inst/bin/zuk" >/dev/null 2>&1 || true
chmod -R a+rwX "$tmp"

out=${PEERBENCH_OUT:-${TMPDIR:-/tmp}/zuk-peerbench}
mkdir -p "$out"
rm -f "$out/results/peers.jsonl"
PEERBENCH_OUT="$out" RUNS=${RUNS:-3} KEYS=${KEYS:-ctrl+End} \
  SCENARIOS=${SCENARIOS:-"startup 1M 10M 100M longline"} \
  EDITORS="${peers[*]} zuk" NEW_EDITOR_CMD="$tmp/inst/bin/zuk" NEW_EDITOR_LABEL=zuk \
  NEW_EDITOR_OPTS="--seed-home $seed" "$tmp/harness/run_peers.sh" | grep -E '^(===|\[)' || true
cat "$out/results/peers.tables.md"
python3 "$root/bench/peer_ratios.py" "$out/results/peers.jsonl"
