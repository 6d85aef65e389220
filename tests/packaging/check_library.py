#!/usr/bin/env python3
"""Checks the bundled sample library the way Veldra will read it.

Fields are read with the same rules as the program's text-field reader, so a
stray comma, a missing quote or a renamed answer shows up here instead of as a
broken search result or a garbled reader page.

Usage: check_library.py SOURCE_DIR
"""
import os
import re
import subprocess
import sys
import tempfile

failures = []


def fail(msg):
    failures.append(msg)


def read_fields(text):
    """Splits text into fields: commas and line ends end a field, double quotes keep commas."""
    fields = []
    pos, n = 0, len(text)

    def line_end(p):
        if p < n and text[p] == "\r":
            p += 1
            if p < n and text[p] == "\n":
                p += 1
        elif p < n and text[p] == "\n":
            p += 1
        return p

    while pos < n:
        while pos < n and text[pos] in " \t":
            pos += 1
        if pos >= n:
            fields.append("")
            break
        if text[pos] == '"':
            close = text.find('"', pos + 1)
            if close < 0:
                fields.append(text[pos + 1:])
                break
            fields.append(text[pos + 1:close])
            pos = close + 1
            after = pos
            while after < n and text[after] in " \t":
                after += 1
            if after >= n:
                pos = n
            elif text[after] == ",":
                pos = after + 1
            elif text[after] in "\r\n":
                pos = line_end(after)
            continue
        start = pos
        while pos < n and text[pos] not in ",\r\n":
            pos += 1
        fields.append(text[start:pos])
        if pos < n and text[pos] == ",":
            pos += 1
        else:
            pos = line_end(pos)
    return fields


def load_text(path, what):
    with open(path, "rb") as f:
        data = f.read()
    if re.search(rb"(?<!\r)\n|\r(?!\n)", data):
        fail(f"{what}: has line ends other than CR LF")
    if not data.endswith(b"\r\n"):
        fail(f"{what}: last line does not end in CR LF")
    if any(b > 0x7F for b in data):
        try:
            data.decode("utf-8")
            fail(f"{what}: is UTF-8, the library is Windows-1252")
        except UnicodeDecodeError:
            pass
    try:
        return data, data.decode("cp1252")
    except UnicodeDecodeError as e:
        fail(f"{what}: not Windows-1252 ({e})")
        return data, data.decode("cp1252", errors="replace")


def quoted_lines_close(text, what):
    for number, line in enumerate(text.split("\r\n"), 1):
        stripped = line.lstrip(" \t")
        if stripped.startswith('"') and stripped.count('"') % 2:
            fail(f"{what}:{number}: quote not closed on its line: {line}")


EXAMPLE_HOST = re.compile(r"(^|\.)example\.(org|com|net)$", re.I)
LINK = re.compile(r"(?:https?://|mailto:|www\.)[^\s\"\\}]+|[\w.+-]+@[\w.-]+", re.I)


def check_link_hosts(text, what):
    for link in LINK.findall(text):
        link = link.rstrip(".,;:)!?")
        host = re.sub(r"^(https?://|mailto:)", "", link, flags=re.I)
        host = host.split("@")[-1] if "@" in host.split("/")[0] else host
        host = re.split(r"[/:?]", host)[0]
        if not EXAMPLE_HOST.search(host):
            fail(f"{what}: link outside the example domains: {link}")


def faq_header(fields):
    keys = [("subject", 8), ("author", 7), ("authoremail", 12), ("version", 8), ("authorwebsite", 14)]
    names = ["Subject", "Author", "AuthorEMAIL", "Version", "AuthorWEBSITE"]
    header = {}
    for field in fields:
        field = field.strip(" ")
        for name, (key, skip) in zip(names, keys):
            if field.lower().startswith(name.lower() + "="):
                header[key] = field[skip:].strip(" ")
                break
    return header


def faq_body(fields):
    body, inside = [], False
    for field in fields:
        low = field.lower()
        if "[body]" in low:
            inside = True
            continue
        if "[/body]" in low:
            inside = False
        if inside:
            body.append(field)
    return body


def rtf_braces_balance(data):
    depth = 0
    i = 0
    while i < len(data):
        c = data[i]
        if c == "\\":
            i += 2
            continue
        if c == "{":
            depth += 1
        elif c == "}":
            depth -= 1
            if depth < 0:
                return False
        i += 1
    return depth == 0


def find_server_file_name(fields, subject):
    result = ""
    for field in fields:
        if subject.lower() in field.lower():
            result = field.split("=", 1)[0] if "=" in field else ""
    return result


def main():
    source = sys.argv[1]
    lib = os.path.join(source, "library", "software", "corvane")

    # The index.
    _, index = load_text(os.path.join(lib, "script.txt"), "script.txt")
    quoted_lines_close(index, "script.txt")
    fields = read_fields(index)
    records = [f for f in fields if "=" in f and "]" in f]
    if len(records) < 40:
        fail(f"script.txt: {len(records)} records, want at least 40")
    stray = [f for f in fields if f.strip() and f not in records]
    if stray:
        fail(f"script.txt: fields that are no record (a comma outside quotes?): {stray}")
    names = set()
    surprises = []
    for record in records:
        name = record.split("=", 1)[0]
        subject = record[len(name) + 1:record.rindex("]")].strip()
        names.add(name)
        if not os.path.isfile(os.path.join(lib, name)):
            fail(f"script.txt: {name} is listed but missing")
        tag = find_server_file_name(fields, subject)
        if tag != name:
            surprises.append((subject, tag))
    # One short subject on purpose opens the answer of a later, longer line;
    # any other mismatch is a mistake in the index.
    if surprises != [("Proxy", "firewall-ports.txt")]:
        fail(f"script.txt: subjects that open another answer: {surprises}")
    subjects = [r[r.index("=") + 1:r.rindex("]")] for r in records]
    if not any("," in s for s in subjects):
        fail("script.txt: no quoted subject with a comma")
    if not any("=" in s for s in subjects) or not any("]" in s for s in subjects):
        fail("script.txt: no subject holding = and ]")
    if len({os.path.splitext(n)[1] for n in names}) < 3:
        fail("script.txt: fewer than three file name extensions")
    check_link_hosts(index, "script.txt")

    # The answers.
    big = rtf_body = 0
    for name in sorted(names):
        path = os.path.join(lib, name)
        if not os.path.isfile(path):
            continue
        data, text = load_text(path, name)
        quoted_lines_close(text, name)
        check_link_hosts(text, name)
        doc = read_fields(text)
        header = faq_header(doc)
        for key in ("subject", "author", "authoremail", "version"):
            if not header.get(key):
                fail(f"{name}: no {key}")
        body = faq_body(doc)
        if not any(line.strip() for line in body):
            fail(f"{name}: empty body")
        if len(data) >= 1024 * 1024:
            big += 1
        if body and body[0].startswith("{\\rtf1"):
            rtf_body += 1
            if not rtf_braces_balance("\r\n".join(body)):
                fail(f"{name}: RTF body has unbalanced braces")
    if big < 1:
        fail("no answer of at least 1 MB")
    if rtf_body < 1:
        fail("no answer with an RTF body")

    # The large answer is generated; the committed copy must match its script.
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "big.txt")
        subprocess.run([sys.executable, os.path.join(source, "scripts", "make-big-faq.py"), out],
                       check=True, stdout=subprocess.DEVNULL)
        with open(out, "rb") as a, open(os.path.join(lib, "network-handbook.txt"), "rb") as b:
            if a.read() != b.read():
                fail("network-handbook.txt differs from what scripts/make-big-faq.py writes")

    # The news.
    with open(os.path.join(lib, "test.rtf"), "rb") as f:
        news = f.read().decode("cp1252")
    if not news.startswith("{\\rtf1") or not rtf_braces_balance(news.rstrip()):
        fail("test.rtf: not a complete RTF document")
    for needed in ("\\fonttbl", "\\colortbl", "\\pntext", "HYPERLINK", "\\'", "\\u"):
        if needed not in news:
            fail(f"test.rtf: has no {needed}")
    check_link_hosts(news, "test.rtf")

    for msg in failures:
        print("FAIL:", msg)
    print(f"{len(records)} records, {len(names)} answers checked, {len(failures)} problem(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
