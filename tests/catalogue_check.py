#!/usr/bin/env python3
"""Checks the window's English catalogue against the sources.

    catalogue_check.py LUPDATE SOURCE_DIR CATALOGUE.ts

lupdate reads the sources into a copy of the catalogue: a text new in the code comes back
unfinished, one gone from the code vanished. Every text must then be translated, keep its %1
arguments, its one mnemonic, its leading and trailing blanks and its rich-text form, and no two
Polish texts may share an English one (the window finds a text's source by what it shows).
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ARGUMENT = re.compile(r"%\d+")
MNEMONIC = re.compile(r"&(?!&|[a-z]+;|#)")


def read_messages(path):
    messages = []
    for context in ET.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            messages.append((message.findtext("source") or "", translation.text or "",
                             translation.get("type")))
    return messages


def problems_of(source, english, kind):
    if kind:
        return [f"{kind}"]
    found = []
    if not english:
        found.append("untranslated")
    if sorted(ARGUMENT.findall(source)) != sorted(ARGUMENT.findall(english)):
        found.append("arguments differ")
    if len(MNEMONIC.findall(source)) != len(MNEMONIC.findall(english)):
        found.append("mnemonics differ")
    for edge in (lambda t: t[:len(t) - len(t.lstrip())], lambda t: t[len(t.rstrip()):]):
        if edge(source) != edge(english):
            found.append("leading or trailing blanks differ")
    if source.startswith("<") != english.startswith("<"):
        found.append("rich text only in one language")
    return found


def main(lupdate, sources, catalogue):
    with tempfile.TemporaryDirectory() as work:
        copy = f"{work}/catalogue.ts"
        shutil.copy(catalogue, copy)
        subprocess.run([lupdate, sources, "-extensions", "cpp,h", "-source-language", "pl",
                        "-target-language", "en", "-locations", "none", "-silent", "-ts", copy],
                       check=True, capture_output=True)
        messages = read_messages(copy)
    failures = []
    owners = {}
    for source, english, kind in messages:
        failures += [f"{source!r}: {p}" for p in problems_of(source, english, kind)]
        if english in owners and owners[english] != source:
            failures.append(f"{source!r} and {owners[english]!r} share {english!r}")
        owners[english] = source
    for failure in failures:
        print(failure)
    print(f"{len(messages)} texts, {len(failures)} problems")
    return 1 if failures or not messages else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
