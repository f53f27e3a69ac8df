#!/usr/bin/env python3
# Makes the page's catalogue of one language from its Qt translation file: a JSON object of
# contexts, each mapping a Russian text (with "\u0004" and its disambiguation when it has one) to
# its translation, or to the list of its plural forms. Unfinished translations are left out, so
# the page shows the Russian for them and its test finds them.
# SPDX-FileCopyrightText: 2026 The Veloria developers
# SPDX-License-Identifier: GPL-3.0-or-later
import json
import sys
import xml.etree.ElementTree as ET


def catalogue(ts_path):
    contexts = {}
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        entries = contexts.setdefault(name, {})
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            comment = message.findtext("comment")
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "obsolete", "vanished"):
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")]
            words = forms if message.get("numerus") == "yes" else (translation.text or "")
            if not words or (isinstance(words, list) and not all(words)):
                continue
            key = source + "\u0004" + comment if comment else source
            entries[key] = words
    return contexts


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make_catalogue.py TS_FILE JSON_FILE")
    with open(sys.argv[2], "w", encoding="utf-8") as out:
        json.dump(catalogue(sys.argv[1]), out, ensure_ascii=False, separators=(",", ":"), sort_keys=True)


if __name__ == "__main__":
    main()
