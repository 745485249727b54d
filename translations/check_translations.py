#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks a translation file: every text translated, none vanished, each
translation keeping its source's placeholders, accelerator, outer blanks and
line count (unless its translator comment says "lines: why"), and the
glossary's terms.

usage: check_translations.py FILE.ts GLOSSARY.tsv
Prints one line per fault and exits 1 when there is any.
"""
import re
import sys
import xml.etree.ElementTree as ET

PRINTF = re.compile(r"%(?:%|[-+ #0]*(?:\d+|\*)?(?:\.(?:\d+|\*))?(?:hh|h|ll|l|z|j|t|L)?[diouxXeEfgGcsp])")
QT_ARG = re.compile(r"%[1-9]")


def read_glossary(path):
    terms = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if not line.strip() or line.startswith("#"):
                continue
            english, german, forms = line.rstrip("\n").split("\t")
            terms.append((english, german, re.compile(forms, re.IGNORECASE)))
    # A longer term ("frame monitor") is checked instead of the shorter one it holds ("frame").
    terms.sort(key=lambda t: -len(t[0]))
    return terms


def term_pattern(english):
    # RAM, EEPROM, TCP, COM are names: only in capitals.
    flags = 0 if english.isupper() else re.IGNORECASE
    return re.compile(r"(?<![\w-])" + re.escape(english) + r"(?![\w-])", flags)


def outer_blanks(text):
    return (len(text) - len(text.lstrip(" ")), len(text) - len(text.rstrip(" ")))


def accelerator(text):
    return len(re.findall(r"&(?!&)\w", text.replace("&&", "")))


def faults_of(context, source, translation, comment, glossary):
    where = f"{context}: \"{source}\""
    if PRINTF.findall(source) != PRINTF.findall(translation):
        yield f"{where}: the printf placeholders differ ({PRINTF.findall(translation)})"
    if sorted(QT_ARG.findall(source)) != sorted(QT_ARG.findall(translation)):
        yield f"{where}: the %1...%9 arguments differ"
    if outer_blanks(source) != outer_blanks(translation):
        yield f"{where}: the leading or trailing blanks differ"
    # A button may take a long word onto a second line, when its translator comment says so.
    if source.count("\n") != translation.count("\n") and "lines:" not in comment:
        yield f"{where}: the number of lines differs"
    if accelerator(source) != accelerator(translation):
        yield f"{where}: the keyboard accelerator (&) is missing or doubled"
    if "glossary:" in comment:
        return
    remaining = source
    for english, german, forms in glossary:
        pattern = term_pattern(english)
        if not pattern.search(remaining):
            continue
        remaining = pattern.sub(" ", remaining)
        if not forms.search(translation):
            yield f"{where}: \"{english}\" is \"{german}\" in the glossary (\"{translation}\")"


def main(ts_path, glossary_path):
    glossary = read_glossary(glossary_path)
    faults = []
    count = 0
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            node = message.find("translation")
            kind = node.get("type", "") if node is not None else "unfinished"
            text = node.text or "" if node is not None else ""
            count += 1
            if kind in ("vanished", "obsolete"):
                faults.append(f"{name}: \"{source}\": no longer in the sources (run translations/update.sh)")
            elif kind == "unfinished" or not text:
                faults.append(f"{name}: \"{source}\": not translated")
            else:
                faults.extend(faults_of(name, source, text, message.findtext("translatorcomment") or "", glossary))
    for fault in faults:
        print(fault)
    print(f"{ts_path}: {count} texts, {len(faults)} faults", file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
