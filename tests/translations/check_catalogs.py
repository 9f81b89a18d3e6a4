"""Fails when a catalog lacks a finished translation of any text in the sources.

Each catalog is copied and updated from the sources as they are now, as the
maintainers' update would do it; the copy must then translate every text,
keep its placeholders, and keep a centred text's width.
"""
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path


def problems_of(catalog: Path):
    for context in ET.parse(catalog).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            text = translation.text if translation is not None else None
            where = f"{name}: {source!r}"
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete") or not text:
                yield f"{where} has no finished translation"
                continue
            if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
                yield f"{where} -> {text!r} changes the placeholders"
            if source.startswith(" ") and len(text) != len(source):
                yield f"{where} -> {text!r} is not {len(source)} characters wide"


def main():
    # lupdate work --catalogs ... --options ... --sources ...; the options
    # themselves start with a dash, so the groups are split by hand.
    lupdate, work = sys.argv[1], Path(sys.argv[2])
    groups = {"--catalogs": [], "--options": [], "--sources": []}
    current = None
    for word in sys.argv[3:]:
        if word in groups:
            current = groups[word]
        else:
            current.append(word)
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    failures = []
    for original in map(Path, groups["--catalogs"]):
        copy = work / original.name
        shutil.copyfile(original, copy)
        subprocess.run([lupdate, "-silent", *groups["--options"], *groups["--sources"], "-ts", str(copy)], check=True)
        failures += [f"{original.name}: {problem}" for problem in problems_of(copy)]
    for failure in failures:
        print(failure)
    if failures:
        print("Bring the catalogs up to date with `cmake --build <build> --target update_translations` "
              "and translate what it marks unfinished.")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
