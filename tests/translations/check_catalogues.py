#!/usr/bin/env python3
"""Checks the translations/*.ts catalogues.

complete LUPDATE SRC TS...: every text the sources mark for translation is in
each catalogue, finished, with its placeholders and access key, and no entry is
left over. lupdate runs on a copy, so the catalogues themselves stay as they are.

access-keys TS...: within each window, no two texts of a language share an
access key ("&x")."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# The translation contexts whose texts share one window.
WINDOWS = {
    "main window": {"Form1", "FindBar"},
    "progress window": {"Form2"},
    "Functions menu": {"Form3"},
    "proxy dialog": {"Form5"},
    "reader's menu": {"ReaderTools"},
    "bookmarks window": {"BookmarksWindow"},
}


def messages(path):
    """(context, source, [translations], unfinished) of each entry of a catalogue."""
    out = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for m in context.iter("message"):
            t = m.find("translation")
            forms = [f.text or "" for f in t.iter("numerusform")] if m.get("numerus") == "yes" else [t.text or ""]
            out.append((name, m.findtext("source"), forms, t.get("type")))
    return out


def access_key(text):
    keys = re.findall(r"&([^&\s])", text.replace("&&", ""))
    return keys


def placeholders(text):
    return sorted(set(re.findall(r"%(?:n|\d+)", text)))


def complete(lupdate, src, ts_files):
    problems = []
    sources = sorted(os.path.join(d, f) for d, _, fs in os.walk(src) for f in fs if f.endswith((".cpp", ".h")))
    with tempfile.TemporaryDirectory() as tmp:
        for ts in ts_files:
            copy = os.path.join(tmp, os.path.basename(ts))
            shutil.copy(ts, copy)
            subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", *sources, "-ts", copy],
                           check=True, stdout=subprocess.DEVNULL)
            now = {(c, s) for c, s, _, _ in messages(copy)}
            before = {(c, s) for c, s, _, _ in messages(ts)}
            name = os.path.basename(ts)
            for c, s in sorted(now - before):
                problems.append(f"{name}: [{c}] {s!r} is not in the catalogue")
            for c, s in sorted(before - now):
                problems.append(f"{name}: [{c}] {s!r} is no longer in the sources")
            for c, s, forms, kind in messages(copy):
                if kind or not all(forms):
                    problems.append(f"{name}: [{c}] {s!r} is unfinished")
                    continue
                for form in forms:
                    if placeholders(form) != placeholders(s) and not (s.count("%n") and "%n" not in form):
                        problems.append(f"{name}: [{c}] {s!r}: {form!r} has other placeholders")
                    if len(access_key(form)) != len(access_key(s)):
                        problems.append(f"{name}: [{c}] {s!r}: {form!r} has another number of access keys")
    return problems


def unique_keys(ts_files):
    problems = []
    for ts in ts_files:
        entries = messages(ts)
        for window, contexts in WINDOWS.items():
            for column, label in ((None, "English"), (0, os.path.basename(ts))):
                seen = {}
                for c, s, forms, _ in entries:
                    if c not in contexts:
                        continue
                    text = s if column is None else forms[0]
                    for key in access_key(text):
                        other = seen.setdefault(key.lower(), text)
                        if other != text:
                            problems.append(f"{label}, {window}: {other!r} and {text!r} share the key {key!r}")
    return problems


def main():
    if len(sys.argv) >= 4 and sys.argv[1] == "complete":
        problems = complete(sys.argv[2], sys.argv[3], sys.argv[4:])
    elif len(sys.argv) >= 3 and sys.argv[1] == "access-keys":
        problems = unique_keys(sys.argv[2:])
    else:
        print(__doc__)
        return 2
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
