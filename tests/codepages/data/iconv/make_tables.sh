#!/bin/sh
# Writes the golden code-page tables of this folder from iconv: for every
# byte 00..FF of each code page, the character iconv decodes it to, as
#     0xBB 0xUUUU
# or, where iconv has no character for the byte,
#     0xBB undefined
# Run it from anywhere; it overwrites the five files next to it.
#     tests/codepages/data/iconv/make_tables.sh
set -eu
here=$(cd "$(dirname "$0")" && pwd)

table() { # iconv-name file-name
    out="$here/$2"
    {
        echo "# $1 as decoded by $(iconv --version | head -n 1), one line per byte"
        i=0
        while [ "$i" -lt 256 ]; do
            # printf with an octal escape writes any byte, NUL included.
            unit=$(printf "\\$(printf '%03o' "$i")" | iconv -f "$1" -t UTF-16BE 2>/dev/null |
                od -An -tx1 | tr -d ' \n') || unit=""
            if [ ${#unit} -eq 4 ]; then
                printf '0x%02X 0x%s\n' "$i" "$(echo "$unit" | tr 'a-f' 'A-F')"
            else
                printf '0x%02X undefined\n' "$i"
            fi
            i=$((i + 1))
        done
    } >"$out"
}

table CP1251 cp1251.txt
table CP866 cp866.txt
table KOI8-R koi8-r.txt
table MACCYRILLIC maccyrillic.txt
table ISO-8859-5 iso-8859-5.txt
