#!/bin/sh
# Writes half a result into $2, complains and fails.
echo "partial" > "$2"
echo "bad thing happened" >&2
exit 3
