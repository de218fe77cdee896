#!/usr/bin/env python3
"""Zuk's ratio to the best peer per scenario, from the peer harness's JSON lines.

usage: peer_ratios.py RESULTS.jsonl [LABEL]

For every scenario and figure (time to loaded and idle, peak memory, the time
of the keys after idle) the median over the runs that ended well, for Zuk and
for the best of the other editors; the ratio is Zuk's over the best peer's, so
1.00 or less means Zuk is first.
"""
import json
import statistics
import sys
from collections import defaultdict

FIGURES = [("t_idle_ms", "to idle, ms", 1.0), ("vmhwm_kb", "peak memory, MB", 1024.0),
           ("keys_idle_ms", "keys after idle, ms", 1.0)]
ORDER = ["startup", "1M", "10M", "100M", "longline"]


def main():
    path = sys.argv[1]
    me = sys.argv[2] if len(sys.argv) > 2 else "zuk"
    runs = defaultdict(list)
    with open(path, encoding="utf-8") as f:
        for line in f:
            rec = json.loads(line)
            if rec.get("warmup") or rec.get("status") != "ok":
                continue
            runs[(rec["scenario"], rec["label"])].append(rec)
    scenarios = sorted({s for s, _ in runs}, key=lambda s: ORDER.index(s) if s in ORDER else 99)
    print(f"| scenario | figure | {me} | best peer | ratio |")
    print("|---|---|---:|---:|---:|")
    for sc in scenarios:
        for key, name, div in FIGURES:
            medians = {}
            for (s, label), recs in runs.items():
                vals = [r[key] for r in recs if s == sc and r.get(key) is not None]
                if vals:
                    medians[label] = statistics.median(vals) / div
            if me not in medians:
                continue
            others = {k: v for k, v in medians.items() if k != me}
            if not others:
                print(f"| {sc} | {name} | {medians[me]:,.0f} | — | — |")
                continue
            best = min(others, key=others.get)
            ratio = medians[me] / others[best] if others[best] else float("inf")
            print(f"| {sc} | {name} | {medians[me]:,.0f} | {others[best]:,.0f} ({best}) | "
                  f"{ratio:.2f} |")


if __name__ == "__main__":
    main()
