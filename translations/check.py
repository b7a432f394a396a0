#!/usr/bin/python3
"""check.py LUPDATE SOURCE_ROOT TS...: fails when a translation is missing or does not fit its source.

For every language file given:
- every string the program's sources hand to tr() (as lupdate finds them now) has a translation,
  so a string added to the code and not to the .ts files is caught;
- no translation is unfinished, empty or left over from a string the code no longer has;
- each translation has the same %1, %2 ... placeholders as its source, and as many access-key
  marks (a single "&"; "&&" is a plain ampersand); it may write %L1 for %1, so that a number the
  code passes shows in the language's digits ("4.000" in German), and keeps the %L of a source's
  %L1 and the %n of a count;
- a translation quotes with its own language's marks („%1“, « %1 », «%1»): it holds no ASCII
  double quote and no '%1', and it writes no decimal number with a point ("0.5"), where German
  and French write a comma;
- within each menu (the strings whose disambiguation is "File menu", "Help menu", "menu bar"),
  the access keys are unique.
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%L?(\d+)")
LOCALE_NUMBER = re.compile(r"%L\d+|%L?n")
ASCII_QUOTE = re.compile(r"\"|'%L?\d+'")
DECIMAL_POINT = re.compile(r"\d\.\d")


def access_keys(text):
    """The characters marked with a single '&'."""
    keys = []
    i = 0
    while i < len(text):
        if text[i] == "&":
            if i + 1 < len(text) and text[i + 1] == "&":
                i += 2
                continue
            if i + 1 < len(text):
                keys.append(text[i + 1].lower())
        i += 1
    return keys


def messages(path):
    """(context, source, comment) -> (translation texts, type) for every message of a .ts file."""
    found = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            comment = message.findtext("comment") or ""
            translation = message.find("translation")
            kind = translation.get("type", "") if translation is not None else "missing"
            if translation is not None and message.get("numerus") == "yes":
                texts = [form.text or "" for form in translation.iter("numerusform")]
            else:
                texts = [translation.text or ""] if translation is not None else []
            found[(name, source, comment)] = (texts, kind)
    return found


def current_sources(lupdate, root):
    """The strings the sources hold now, as lupdate extracts them."""
    with tempfile.TemporaryDirectory() as scratch:
        ts = os.path.join(scratch, "current.ts")
        folders = [os.path.join(root, folder) for folder in ("main.cpp", "windows", "platform", "game", "savegame")]
        subprocess.run([lupdate, "-silent", "-locations", "none", "-I", root, *folders, "-ts", ts], check=True,
                       stdout=subprocess.DEVNULL)
        return set(messages(ts))


def check(path, wanted):
    problems = []
    have = messages(path)
    language = os.path.basename(path)
    code = language.removesuffix(".ts").rsplit("_", 1)[-1]
    for key in sorted(wanted - set(have)):
        problems.append(f"{language}: no translation of {key[1]!r} ({key[0]})")
    menus = {}
    for key, (texts, kind) in sorted(have.items()):
        context, source, comment = key
        where = f"{language}: {source!r} ({context})"
        if key not in wanted or kind in ("obsolete", "vanished"):
            problems.append(f"{where}: the sources no longer hold this string")
            continue
        if kind == "unfinished" or not texts or not all(texts):
            problems.append(f"{where}: not translated")
            continue
        for text in texts:
            if sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(source)):
                problems.append(f"{where}: the placeholders of {text!r} differ from the source's")
            shown, given = set(LOCALE_NUMBER.findall(source)), set(LOCALE_NUMBER.findall(text))
            if not shown - {"%n"} <= given or ("%n" in shown and not given & {"%n", "%Ln"}):
                problems.append(f"{where}: {text!r} does not show the source's numbers in the language's digits")
            if ASCII_QUOTE.search(text):
                problems.append(f"{where}: {text!r} quotes with ASCII marks, not the language's own")
            if DECIMAL_POINT.search(text) and code in ("de", "fr"):
                problems.append(f"{where}: {text!r} writes a decimal point where the language writes a comma")
            if len(access_keys(text)) != len(access_keys(source)):
                problems.append(f"{where}: {text!r} has {len(access_keys(text))} access-key marks, "
                                f"the source {len(access_keys(source))}")
        if comment.endswith("menu") or comment == "menu bar":
            for key_char in access_keys(texts[0]):
                menus.setdefault((context, comment), {}).setdefault(key_char, []).append(texts[0])
    for (context, menu), keys in sorted(menus.items()):
        for key_char, entries in sorted(keys.items()):
            if len(entries) > 1:
                problems.append(f"{language}: in the {menu}, {' and '.join(map(repr, entries))} share the key {key_char!r}")
    return problems


def main():
    if len(sys.argv) < 4:
        print(__doc__.strip().splitlines()[0], file=sys.stderr)
        return 2
    lupdate, root, files = sys.argv[1], sys.argv[2], sys.argv[3:]
    wanted = current_sources(lupdate, root)
    problems = [problem for path in files for problem in check(path, wanted)]
    for problem in problems:
        print(problem)
    print(f"{len(wanted)} strings, {len(files)} languages: {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
