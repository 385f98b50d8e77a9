#!/usr/bin/env python3
"""Checks the window's English catalogue against the sources.

    catalogue_check.py LUPDATE SOURCE_DIR CATALOGUE.ts

lupdate reads the sources into a copy of the catalogue: a text new in the code comes back
unfinished, one gone from the code vanished. The texts both front ends show (menus, commands,
controls) are the core tables' in ../ (Text{"pl", "en"}), which the window looks up first: the
catalogue must not hold them again. Every text must then be translated, keep its %1 (in the core
{1}) arguments, its one mnemonic, its leading and trailing blanks and its rich-text form, and no
two Polish texts may share an English one (the window finds a text's source by what it shows).
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ARGUMENT = re.compile(r"%\d+")
CORE_ARGUMENT = re.compile(r"\{\d+\}")
CORE_TABLES = ("layout.cpp", "commands.cpp", "control_texts.h", "file_texts.h", "evaluation_texts.h",
               "timeline_texts.h", "print_choice.h")
LITERALS = r'((?:"(?:[^"\\]|\\.)*"\s*)+)'
TEXT = re.compile(r"\{\s*" + LITERALS + r",\s*" + LITERALS + r"\}")


def joined(literals):
    parts = re.findall(r'"((?:[^"\\]|\\.)*)"', literals)
    return "".join(parts).replace("\\n", "\n").replace('\\"', '"')


def read_core_texts(folder):
    texts = {}
    for name in CORE_TABLES:
        with open(os.path.join(folder, name), encoding="utf-8") as f:
            for pl, en in TEXT.findall(f.read()):
                if joined(pl):
                    texts[joined(pl)] = joined(en)
    return texts
MNEMONIC = re.compile(r"&(?!&|[a-z]+;|#)")


def read_messages(path):
    return [(m.findtext("source") or "", m.find("translation").text or "", m.find("translation").get("type"))
            for m in ET.parse(path).getroot().iter("message")]


def problems_of(source, english, kind, argument=ARGUMENT):
    if kind:
        return [f"{kind}"]
    checks = [
        ("untranslated", not english),
        ("arguments differ", sorted(argument.findall(source)) != sorted(argument.findall(english))),
        ("mnemonics differ", len(MNEMONIC.findall(source)) != len(MNEMONIC.findall(english))),
        ("leading or trailing blanks differ", source[:len(source) - len(source.lstrip())]
         != english[:len(english) - len(english.lstrip())]),
        ("leading or trailing blanks differ", source[len(source.rstrip()):] != english[len(english.rstrip()):]),
        ("rich text only in one language", source.startswith("<") != english.startswith("<")),
    ]
    return [problem for problem, found in checks if found]


def main(lupdate, sources, catalogue):
    with tempfile.TemporaryDirectory() as work:
        copy = f"{work}/catalogue.ts"
        shutil.copy(catalogue, copy)
        subprocess.run([lupdate, sources, "-extensions", "cpp,h", "-source-language", "pl",
                        "-target-language", "en", "-locations", "none", "-silent", "-ts", copy],
                       check=True, capture_output=True)
        messages = read_messages(copy)
    core = read_core_texts(os.path.join(sources, ".."))
    failures = []
    owners = {}
    for source, english in core.items():
        failures += [f"{source!r}: {p}" for p in problems_of(source, english, None, CORE_ARGUMENT)]
        owners[english] = source
    for source, english, kind in messages:
        if source in core:
            if kind != "unfinished":
                failures.append(f"{source!r}: held by the core tables, not to be repeated here")
            continue
        failures += [f"{source!r}: {p}" for p in problems_of(source, english, kind)]
        if english in owners and owners[english] != source:
            failures.append(f"{source!r} and {owners[english]!r} share {english!r}")
        owners[english] = source
    for failure in failures:
        print(failure)
    print(f"{len(messages)} texts, {len(core)} in the core, {len(failures)} problems")
    return 1 if failures or not messages else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
