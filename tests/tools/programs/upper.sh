#!/bin/sh
# Upper-cases the file $1 into the file $2 and says so on its output.
tr 'a-z' 'A-Z' < "$1" > "$2" && echo "upper: done"
