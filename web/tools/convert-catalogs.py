#!/usr/bin/python3
"""Converts the windows' translation catalogs and the page's own small
catalog into the one JSON file the page reads its texts from.

    convert-catalogs.py EN.ts JA.ts WEB.json OUT.json

OUT.json holds, for each of the three language choices, the translations
keyed by context and source text: {"en": {CONTEXT: {SOURCE: TEXT}}, "ja":
..., "default": ...}. "en" and "ja" are the catalogs as they are; the
designed mix ("default") keeps the source texts but for the contexts whose
names end in "Messages", the messages Corvane adds itself, which it takes
from the Japanese catalog, as the desktop's language choice does. WEB.json
holds the texts only the page has: {CONTEXT: {SOURCE: JAPANESE}}, English
being the source itself.
"""
import json
import sys
import xml.etree.ElementTree as ET


def read_catalog(path):
    """{context: {source: translation}} of the finished entries."""
    catalog = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        texts = catalog.setdefault(name, {})
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                continue
            texts[message.findtext("source")] = translation.text or ""
    return catalog


def own_messages(catalog):
    return {name: texts for name, texts in catalog.items() if name.endswith("Messages")}


def main(args):
    if len(args) != 4:
        sys.exit("usage: convert-catalogs.py EN.ts JA.ts WEB.json OUT.json")
    english, japanese = read_catalog(args[0]), read_catalog(args[1])
    with open(args[2], encoding="utf-8") as f:
        web = json.load(f)
    for name, texts in web.items():
        english.setdefault(name, {}).update({source: source for source in texts})
        japanese.setdefault(name, {}).update(texts)
    catalogs = {"en": english, "ja": japanese, "default": own_messages(japanese)}
    with open(args[3], "w", encoding="utf-8") as f:
        json.dump(catalogs, f, ensure_ascii=False, separators=(",", ":"), sort_keys=True)


if __name__ == "__main__":
    main(sys.argv[1:])
