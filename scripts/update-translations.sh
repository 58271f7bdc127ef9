#!/usr/bin/env bash
# Refreshes the translation sources in resources/translations from the code
# and the forms. Ln_En.ts is the program's own language: every message gets
# its source text as translation, so the English file is always complete.
# The build turns each Ln_*.ts into Ln_*.qm in the Resources folder.
set -euo pipefail
cd "$(dirname "$0")/.."
LUPDATE=/usr/lib/qt6/bin/lupdate
[ -x "$LUPDATE" ] || LUPDATE=lupdate
for ts in resources/translations/Ln_*.ts; do
  [ -e "$ts" ] || ts=resources/translations/Ln_En.ts
  "$LUPDATE" -silent -no-obsolete -locations none src resources/forms -ts "$ts"
done
python3 - resources/translations/Ln_En.ts <<'PY'
import sys
import xml.etree.ElementTree as ET
path = sys.argv[1]
tree = ET.parse(path)
root = tree.getroot()
root.set("language", "en")
root.set("sourcelanguage", "en")
for message in root.iter("message"):
    source = message.find("source").text or ""
    translation = message.find("translation")
    translation.attrib.pop("type", None)
    if message.get("numerus") == "yes":
        for form in list(translation):
            translation.remove(form)
        for _ in range(2):
            ET.SubElement(translation, "numerusform").text = source
    else:
        translation.text = source
ET.indent(tree, space="    ")
with open(path, "wb") as out:
    out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
    tree.write(out, encoding="utf-8", xml_declaration=False)
    out.write(b"\n")
PY
