#!/usr/bin/env python3
"""Every text of the interface has its English, and each English text keeps the values' places.

    check_translations.py CATALOG.po TEMPLATE.pot

TEMPLATE.pot is what the build extracted from the sources. msgcmp finds a text with no
translation, an empty or fuzzy one; this script then compares each translation's printf
conversions and "%1" places with its original's, in order, so that a value is neither dropped,
added, moved nor given another type.
"""
import re
import subprocess
import sys

# printf's conversions as the string table writes them, "%%" and the framework's "%1".
PLACE = re.compile(r"%(?:%|1|[-+ #0]*\d*(?:\.\d+)?(?:hh|h|ll|l|L|z|j|t)?[diouxXeEfFgGaAcsp])")


def entries(path):
    """(msgid, msgstr) pairs of a .po file, the header and obsolete entries left out."""
    pairs, field, texts = [], None, {}
    for line in open(path, encoding="utf-8"):
        line = line.rstrip("\n")
        if line.startswith(("msgid ", "msgstr ")):
            if line.startswith("msgid ") and "msgstr" in texts:
                pairs.append((texts["msgid"], texts["msgstr"]))
                texts = {}
            field, _, rest = line.partition(" ")
            texts[field] = decode(rest)
        elif line.startswith('"') and field:
            texts[field] += decode(line)
        elif not line.strip():
            field = None
    if "msgstr" in texts:
        pairs.append((texts["msgid"], texts["msgstr"]))
    return [(i, s) for i, s in pairs if i]


ESCAPES = {"n": "\n", "t": "\t", '"': '"', "\\": "\\"}


def decode(quoted):
    return re.sub(r"\\(.)", lambda m: ESCAPES.get(m.group(1), m.group(0)), quoted[1:-1])


def main():
    catalog, template = sys.argv[1:3]
    failures = []
    check = subprocess.run(["msgcmp", catalog, template], capture_output=True, text=True)
    if check.returncode != 0:
        failures.append("texts without English:\n" + check.stderr)
    for original, translation in entries(catalog):
        want, got = PLACE.findall(original), PLACE.findall(translation)
        if want != got:
            failures.append(f"{original!r}: places {want}, English {translation!r} has {got}")
    for failure in failures:
        print("FAIL:", failure)
    if not failures:
        print(f"translations: {len(entries(catalog))} texts, every one translated, places kept")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
