#!/usr/bin/env python3
"""Writes the replacement tables of data/Engine/Tables/ (Windows-1251, CR LF).

    tools/make_tables.py data/Engine/Tables

- trns_ext.txt: applied after de-transliteration; mends what the letter-by-
  letter rules get wrong for common spellings (ja, ju for я, ю; '' and # for ъ).
- word_glux.tbl: the typographic characters word processors put into text
  (curly quotes, dashes, ellipsis, no-break and soft hyphens, bullets, the
  line-break and cell marks of Word) turned into plain text.
- Fido.tbl: Latin look-alike letters inside Russian words (Fido-net mail
  gateways and editors lost some CP866 letters, notably Н, which is 8Dh, the
  soft line break of Fido messages, so people typed Latin H and p instead).
  A rule fires only next to a Russian letter; the block is written twice so a
  fix can reach the next look-alike in the same word.
"""
import os
import sys

RU_LOWER = "абвгдежзийклмнопрстуфхцчшщъыьэюяё"
RU_UPPER = "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯЁ"

TRNS_EXT = [
    ("йа", "я"), ("Йа", "Я"), ("ЙА", "Я"),
    ("йу", "ю"), ("Йу", "Ю"), ("ЙУ", "Ю"),
    ("ьь", "ъ"), ("ЬЬ", "Ъ"),
    ("#е", "ъе"), ("#ё", "ъё"), ("#ю", "ъю"), ("#я", "ъя"),
    ("#Е", "ЪЕ"), ("#Ё", "ЪЁ"), ("#Ю", "ЪЮ"), ("#Я", "ЪЯ"),
]

WORD_GLUX = [
    ("\u2026", "..."), ("\u2013", "-"), ("\u2014", "-"),
    ("\u2018", "'"), ("\u2019", "'"), ("\u201a", "'"),
    ("\u201c", '"'), ("\u201d", '"'), ("\u201e", '"'),
    ("\u2039", "<"), ("\u203a", ">"),
    ("\u00a0", " "), ("\u00ad", ""), ("\u2022", "*"), ("\u00b7", "*"),
    ("\u2122", "(tm)"), ("\u00a9", "(c)"), ("\u00ae", "(R)"),
    ("\u2020", "+"), ("\u2021", "++"), ("\u2030", "%o"),
    # A value cannot hold a line break (it would end the rule), so Word's
    # manual line break and page break become spaces.
    ("\x0b", " "), ("\x07", "\t"), ("\x0c", " "),
]

LOOKALIKES = {
    "A": "А", "B": "В", "C": "С", "E": "Е", "H": "Н", "K": "К", "M": "М", "O": "О",
    "P": "Р", "T": "Т", "X": "Х", "a": "а", "c": "с", "e": "е", "o": "о", "p": "р",
    "x": "х", "y": "у",
}


def fido_rules():
    rules = []
    for latin, cyr in LOOKALIKES.items():
        for ru in RU_LOWER + RU_UPPER:
            rules.append((ru + latin, ru + cyr))
            rules.append((latin + ru, cyr + ru))
    return rules + rules


def write(folder, name, rules):
    with open(os.path.join(folder, name), "wb") as f:
        for find, value in rules:
            f.write((find + "=" + value).encode("cp1251") + b"\r\n")


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "data/Engine/Tables"
    write(folder, "trns_ext.txt", TRNS_EXT)
    write(folder, "word_glux.tbl", WORD_GLUX)
    write(folder, "Fido.tbl", fido_rules())


if __name__ == "__main__":
    main()
