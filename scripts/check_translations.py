#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Noctalis developers
"""Checks that the translation catalogues (.ts) are complete and up to date.

The English catalogue (language "en") holds only the texts with a count,
for their singular and plural forms; it is refreshed with lupdate's
-pluralonly, so it must hold every such text and no other.

For each catalogue:
  - lupdate is run on a copy with the program's sources: a text of the
    sources missing from the catalogue, or an entry whose text has vanished
    from the sources, means the catalogue is out of date (build the target
    update_translations, then translate what is new);
  - every entry has a finished, non-empty translation (each plural form);
  - a translation keeps the placeholders of its text (%1, %n, %L1), the
    time-field markers ("[LMST HH:MM:SS]", "[UT ...]") and its line breaks;
  - a text with an access key ("&Close") has exactly one in its translation,
    one without has none, and the translations of one window (one context,
    with or without the namespace) give no two different entries the same
    key unless their English texts share it too.
Prints every failure and exits with 1 when there is one.

Usage: check_translations.py --lupdate LUPDATE --sources LIST_FILE TS_FILE...
LIST_FILE names the translated sources, one path a line.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?(?:\d+|n)")
MARKER = re.compile(r"\[(?:LMST|UT)\b[^\]]*\]")
ACCESS_KEY = re.compile(r"&([^&\s])")
PLURAL_FORMS = {"de": 2, "en": 2}
# Languages whose catalogue holds only the texts with a count.
PLURAL_ONLY = {"en"}


def text_of(element):
    """The text of a .ts element; lupdate writes a CR as <byte value="xd"/>."""
    if element is None:
        return ""
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            text += chr(int(child.get("value").lstrip("x"), 16))
        text += child.tail or ""
    return text


def messages(path):
    """(context, source, message element) of every entry of a catalogue."""
    root = ET.parse(path).getroot()
    for context in root.findall("context"):
        name = text_of(context.find("name"))
        for message in context.findall("message"):
            yield name, text_of(message.find("source")), message


def translations_of(message):
    """The translation, or each plural form of it."""
    translation = message.find("translation")
    if message.get("numerus") == "yes":
        return [text_of(form) for form in translation.findall("numerusform")]
    return [text_of(translation)]


def access_keys(text):
    return [key.lower() for key in ACCESS_KEY.findall(text.replace("&&", ""))]


def refreshed_keys(lupdate, sources, path, plural_only):
    """The (context, source) keys lupdate finds in the sources, and those of
    the catalogue that the sources no longer hold."""
    with tempfile.TemporaryDirectory() as work:
        copy = os.path.join(work, os.path.basename(path))
        shutil.copyfile(path, copy)
        options = ["-pluralonly"] if plural_only else []
        subprocess.run([lupdate, "-silent", "-locations", "none", *options, "@" + sources, "-ts", copy],
                       check=True, stdout=subprocess.DEVNULL)
        found, vanished = set(), set()
        for context, source, message in messages(copy):
            state = message.find("translation").get("type")
            (vanished if state in ("vanished", "obsolete") else found).add((context, source))
        return found, vanished


def check_message(context, source, message, forms_wanted, failures):
    where = f"{context}: {source!r}"
    state = message.find("translation").get("type")
    forms = translations_of(message)
    if state in ("unfinished", "vanished", "obsolete") or not all(forms):
        failures.append(f"{where} is not translated ({state or 'empty'})")
        return
    if forms_wanted and message.get("numerus") == "yes" and len(forms) != forms_wanted:
        failures.append(f"{where} has {len(forms)} plural forms, not {forms_wanted}")
    for form in forms:
        if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(form)):
            failures.append(f"{where}: the placeholders differ in {form!r}")
        for marker in MARKER.findall(source):
            if marker not in form:
                failures.append(f"{where}: {form!r} lacks the marker {marker}")
        for line_break in ("\r", "\n"):
            if source.count(line_break) != form.count(line_break):
                failures.append(f"{where}: the line breaks differ in {form!r}")
        keys = access_keys(form)
        if len(keys) != min(len(access_keys(source)), 1):
            failures.append(f"{where}: {form!r} should have {'one access key' if access_keys(source) else 'no access key'}")


def check_access_keys(catalogue, failures):
    """Two different entries of one window with the same key in the
    translation, where the English texts have different keys."""
    windows = {}
    for context, source, message in catalogue:
        forms = translations_of(message)
        if not forms or not access_keys(forms[0]):
            continue
        window = context.split("::")[-1]
        windows.setdefault(window, []).append((source, forms[0]))
    for window, entries in windows.items():
        for i, (source, translation) in enumerate(entries):
            for other_source, other in entries[i + 1:]:
                if translation == other or source == other_source:
                    continue
                if access_keys(translation)[0] == access_keys(other)[0] and \
                        access_keys(source)[:1] != access_keys(other_source)[:1]:
                    failures.append(f"{window}: {translation!r} and {other!r} share the access key "
                                    f"{access_keys(translation)[0]!r}")


def check(path, lupdate, sources):
    failures = []
    catalogue = list(messages(path))
    language = ET.parse(path).getroot().get("language", "").split("_")[0]
    plural_only = language in PLURAL_ONLY
    found, vanished = refreshed_keys(lupdate, sources, path, plural_only)
    held = {(context, source) for context, source, _ in catalogue}
    for context, source in sorted(found - held):
        failures.append(f"{context}: {source!r} is in the sources but not in the catalogue")
    for context, source in sorted(vanished | (held - found)):
        failures.append(f"{context}: {source!r} is in the catalogue but no longer in the sources")
    for context, source, message in catalogue:
        if plural_only and message.get("numerus") != "yes":
            failures.append(f"{context}: {source!r} has no count, so it does not belong in this catalogue")
            continue
        check_message(context, source, message, PLURAL_FORMS.get(language), failures)
    check_access_keys(catalogue, failures)
    return failures


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--sources", required=True)
    parser.add_argument("catalogues", nargs="+")
    args = parser.parse_args()
    status = 0
    for path in args.catalogues:
        failures = check(path, args.lupdate, args.sources)
        for line in failures:
            print(f"{os.path.basename(path)}: {line}")
        if failures:
            print(f"{os.path.basename(path)}: {len(failures)} problem(s); build the target "
                  "update_translations to bring the catalogue up to date, then translate")
            status = 1
        else:
            print(f"{os.path.basename(path)}: complete and up to date")
    return status


if __name__ == "__main__":
    sys.exit(main())
