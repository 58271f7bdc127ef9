#!/usr/bin/env python3
"""Checks the translators' files resources/translations/Ln_XX.ts.

Every message must be translated (not unfinished, not empty) and keep what
the program relies on in its source text:
  - the placeholders "%1".."%99" (also "%L1"), "%n", "%d", "%s" and "%p%",
    as many of each as the source has (printf-style ones in the same order);
  - every bracketed tag such as "[Filename]" or "[Copyright]", unchanged;
  - every line break;
  - the keyboard accelerator: a source with one "&" accelerator has exactly
    one, a source without has none ("&&" is a written "&", and "& " is the
    word "and"). Japanese writes an accelerator after the word, as in
    "ファイル(&F)", unless the word is kept as written (a Latin name).

Usage:
  check-translations.py [--no-lupdate] [FILE.ts ...]
      Checks the given files (by default every resources/translations/Ln_*.ts).
      Unless --no-lupdate is given, lupdate first refreshes a copy of each
      file from the code and forms, so a source text that is missing from a
      file is reported as well.
  check-translations.py --self-test
      Checks the checker.
Exit status 0 when every file passes, 1 when a problem was found, 2 on a
usage error or a file that cannot be read.
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

NUMBERED = re.compile(r"%L?(\d{1,2})")
PRINTF = re.compile(r"%(?:p%|[dsn])")
TAG = re.compile(r"\[[^\[\]\n]+\]")
# An accelerator: "&" before a printable character that is neither another
# "&" nor white space. "&&" is consumed first so it never counts.
ACCEL = re.compile(r"&&|&(?=[^&\s])")
JA_ACCEL = re.compile(r"\(&[A-Za-z0-9]\)")


def accelerators(text):
    """Positions of the accelerator ampersands of text."""
    return [m.start() for m in ACCEL.finditer(text) if m.group() == "&"]


def accelerator_word(text, pos):
    """The run of non-space characters around the accelerator at pos."""
    start = pos
    while start > 0 and not text[start - 1].isspace():
        start -= 1
    end = pos
    while end < len(text) and not text[end].isspace():
        end += 1
    return text[start:end]


def numbered(text):
    return sorted(m.group(1) for m in NUMBERED.finditer(text))


def printf_style(text):
    return [m.group() for m in PRINTF.finditer(text)]


def problems(source, translation, language):
    """What is wrong with translation of source, as a list of texts."""
    found = []
    if not translation.strip():
        return ["empty translation"]
    if numbered(source) != numbered(translation):
        found.append("placeholders %s became %s" % (
            " ".join("%" + n for n in numbered(source)) or "none",
            " ".join("%" + n for n in numbered(translation)) or "none"))
    if printf_style(source) != printf_style(translation):
        found.append("placeholders %s became %s" % (
            " ".join(printf_style(source)) or "none", " ".join(printf_style(translation)) or "none"))
    if sorted(TAG.findall(source)) != sorted(TAG.findall(translation)):
        found.append("bracketed tags %s became %s" % (
            " ".join(sorted(TAG.findall(source))) or "none",
            " ".join(sorted(TAG.findall(translation))) or "none"))
    if source.count("\n") != translation.count("\n"):
        found.append("%d line breaks became %d" % (source.count("\n"), translation.count("\n")))
    src_accel = accelerators(source)
    tr_accel = accelerators(translation)
    if len(src_accel) > 1:
        found.append("the source has %d accelerators" % len(src_accel))
    elif len(src_accel) != len(tr_accel):
        found.append("%d accelerator(s) became %d (write a literal & as &&)" % (len(src_accel), len(tr_accel)))
    elif tr_accel and language.startswith("ja"):
        pos = tr_accel[0]
        kept_word = accelerator_word(source, src_accel[0]) == accelerator_word(translation, pos)
        if not kept_word and not (pos > 0 and JA_ACCEL.match(translation, pos - 1)):
            found.append('a Japanese accelerator is written after the word, as in "ファイル(&F)"')
    return found


def element_text(element):
    """Text of a <source> or <translation> element; <byte value="xd"/>
    stands for a control character."""
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            value = child.get("value", "")
            text += chr(int(value[1:], 16) if value.startswith("x") else int(value))
        text += child.tail or ""
    return text


def messages(path):
    """(context, source, comment, translations, unfinished) of every live
    message of a .ts file; a numerus message has one text per form."""
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            source = element_text(message.find("source"))
            comment = message.findtext("comment") or ""
            translation = message.find("translation")
            kind = translation.get("type", "") if translation is not None else "unfinished"
            if kind in ("vanished", "obsolete"):
                continue
            if translation is None:
                texts = [""]
            elif message.get("numerus") == "yes":
                texts = [element_text(form) for form in translation.iter("numerusform")] or [""]
            else:
                texts = [element_text(translation)]
            yield name, source, comment, texts, kind == "unfinished"


def language_of(path):
    root = ET.parse(path).getroot()
    language = (root.get("language") or "").lower()
    if not language:
        match = re.search(r"Ln_([A-Za-z]+)\.ts$", path)
        language = match.group(1).lower() if match else ""
    return language


def keys(path):
    return {(name, source, comment) for name, source, comment, _, _ in messages(path)}


def check_file(path, use_lupdate):
    """Prints every problem of one file; returns how many there were."""
    absolute = os.path.abspath(path)
    shown = os.path.relpath(absolute, ROOT) if absolute.startswith(ROOT + os.sep) else path
    checked = path
    known = None
    tempdir = None
    if use_lupdate:
        tempdir = tempfile.mkdtemp(prefix="check-translations-")
        checked = os.path.join(tempdir, os.path.basename(path))
        shutil.copyfile(path, checked)
        lupdate = "/usr/lib/qt6/bin/lupdate"
        if not os.access(lupdate, os.X_OK):
            lupdate = shutil.which("lupdate") or lupdate
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none",
                        os.path.join(ROOT, "src"), os.path.join(ROOT, "resources", "forms"),
                        "-ts", checked], check=True)
        known = keys(path)
    try:
        language = language_of(path)
        count = 0
        total = 0
        for name, source, comment, texts, unfinished in messages(checked):
            total += 1
            where = "%s: %s: %r" % (shown, name, source) + (" (%s)" % comment if comment else "")
            if known is not None and (name, source, comment) not in known:
                print("%s: missing from the file (run scripts/update-translations.sh)" % where)
                count += 1
                continue
            found = ["unfinished"] if unfinished else []
            for text in texts:
                found += problems(source, text, language)
            for problem in dict.fromkeys(found):
                print("%s: %s" % (where, problem))
                count += 1
        print("%s: %d messages, %d problem(s)" % (shown, total, count))
        return count
    finally:
        if tempdir:
            shutil.rmtree(tempdir, ignore_errors=True)


def self_test():
    cases = [
        # source, translation, language, problems expected
        ("Add Photos", "Fotos hinzufügen", "de", 0),
        ("Add Photos", "", "de", 1),
        ("Image %1 of %2", "Bild %2 von %1", "de", 0),
        ("Image %1 of %2", "Bild %1", "de", 1),
        ("%d photos in %s", "%d Fotos in %s", "de", 0),
        ("%d photos in %s", "%s: %d Fotos", "de", 1),
        ("Progress %p%", "Fortschritt %p%", "de", 0),
        ("Progress %p%", "Fortschritt %p", "de", 1),
        ("Quality (90%) which", "Qualität (90 %)", "de", 0),
        ("Copyright [Copyright] Tarn&Willow", "© [Copyright] Tarn&Willow", "de", 0),
        ("Copyright [Copyright]", "© [Urheberrecht]", "de", 1),
        ("Line one\nline two", "Zeile eins zwei", "de", 1),
        ("&File", "&Datei", "de", 0),
        ("&File", "Datei", "de", 1),
        ("&File", "&Da&tei", "de", 1),
        ("Search & Add", "Suchen & hinzufügen", "de", 0),
        ("Search & Add", "Suchen &hinzufügen", "de", 1),
        ("&Search && Add", "&Suchen && hinzufügen", "de", 0),
        ("&Search && Add", "Suchen && hinzufügen", "de", 1),
        ("&File", "ファイル(&F)", "ja", 0),
        ("&File", "&ファイル", "ja", 1),
        ("E&xit", "終了(&X)", "ja", 0),
        ("&Deutsch", "&Deutsch", "ja", 0),
        ("Copyright [Copyright] Tarn&Willow", "著作権 [Copyright] Tarn&Willow", "ja", 0),
        ("Drag & Drop", "ドラッグ＆ドロップ", "ja", 0),
        ("Drag & Drop", "ドラッグ(&D)", "ja", 1),
    ]
    failed = 0
    for source, translation, language, expected in cases:
        got = problems(source, translation, language)
        if len(got) != expected:
            print("self-test: %r -> %r (%s): expected %d problem(s), got %s"
                  % (source, translation, language, expected, got))
            failed += 1
    sample = ('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n<TS version="2.1" language="ja_JP">'
              '<context><name>A</name>'
              '<message><source>Done</source><translation>完了</translation></message>'
              '<message><source>Open</source><translation type="unfinished">開く</translation></message>'
              '<message><source>Old</source><translation type="vanished">古い</translation></message>'
              '<message><source>a<byte value="xd"/>b</source><translation>a<byte value="xd"/>b</translation></message>'
              '<message numerus="yes"><source>%n photo(s)</source><translation>'
              '<numerusform>%n 枚</numerusform></translation></message>'
              '</context></TS>\n')
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "Ln_Ja.ts")
        with open(path, "w", encoding="utf-8") as out:
            out.write(sample)
        got = [(m[1], m[3], m[4]) for m in messages(path)]
        want = [("Done", ["完了"], False), ("Open", ["開く"], True), ("a\rb", ["a\rb"], False),
                ("%n photo(s)", ["%n 枚"], False)]
        if got != want or language_of(path) != "ja_jp":
            print("self-test: reading a .ts file gave %r" % got)
            failed += 1
    print("self-test: %d case(s), %d failed" % (len(cases) + 1, failed))
    return 1 if failed else 0


def main(argv):
    if "--self-test" in argv:
        return self_test()
    use_lupdate = "--no-lupdate" not in argv
    files = [a for a in argv if not a.startswith("--")]
    unknown = [a for a in argv if a.startswith("--") and a != "--no-lupdate"]
    if unknown:
        print(__doc__)
        return 2
    if not files:
        files = sorted(glob.glob(os.path.join(ROOT, "resources", "translations", "Ln_*.ts")))
        if not files:
            print("no translation files in resources/translations")
            return 0
    total = 0
    for path in files:
        if not os.path.isfile(path):
            print("%s: no such file" % path)
            return 2
        try:
            total += check_file(path, use_lupdate)
        except (ET.ParseError, subprocess.CalledProcessError, OSError) as error:
            print("%s: cannot be checked: %s" % (path, error))
            return 2
    return 1 if total else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
