#!/bin/sh
# Writes each argument on a line of its own into $ZUK_TEST_ARGS.
printf '%s\n' "$@" > "$ZUK_TEST_ARGS.part" && mv "$ZUK_TEST_ARGS.part" "$ZUK_TEST_ARGS"
