#!/usr/bin/env python3
"""Fills a translation source with English: every message gets its source
text as translation, so the program's own language is always complete.
Usage: english-translation.py Ln_En.ts"""
import sys
import xml.etree.ElementTree as ET

path = sys.argv[1]
tree = ET.parse(path)
root = tree.getroot()
root.set("language", "en")
root.set("sourcelanguage", "en")
def copy_content(source, target):
    """Gives target the whole content of source: text and the <byte/>
    elements that stand for control characters such as a carriage return."""
    target.text = source.text
    for child in source:
        copy = ET.SubElement(target, child.tag, dict(child.attrib))
        copy_content(child, copy)
        copy.tail = child.tail


for message in root.iter("message"):
    source = message.find("source")
    translation = message.find("translation")
    if translation is None:
        translation = ET.SubElement(message, "translation")
    translation.attrib.pop("type", None)
    for child in list(translation):
        translation.remove(child)
    translation.text = None
    if message.get("numerus") == "yes":
        for _ in range(2):
            copy_content(source, ET.SubElement(translation, "numerusform"))
    else:
        copy_content(source, translation)
with open(path, "wb") as out:
    out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
    tree.write(out, encoding="utf-8", xml_declaration=False)
    out.write(b"\n")
