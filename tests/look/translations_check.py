#!/usr/bin/env python3
"""Every catalogue is complete and in step with the sources.

translations_check.py LUPDATE TS... -- ARGUMENTS runs lupdate with the build's arguments over the
sources into a copy of each .ts file: a text of the sources that a catalogue lacks comes in unfinished, one the sources no
longer have is dropped. Then every translation must be finished and keep what the program relies
on: the placeholders (%1, %s), the line breaks (CR LF or LF, as the source has them), one '&'
mnemonic where the source has one, and the spaces at either end."""
import collections
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

def text_of(element):
    """The element's text with its <byte value="xd"/> children as the characters they stand for."""
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            text += chr(int(child.get("value").lstrip("x"), 16))
        text += child.tail or ""
    return text


def shape(text):
    """What a translation must keep of its source."""
    mnemonics = len(re.findall(r"&(?!&)\w", text.replace("&&", "")))
    return {
        "placeholders": collections.Counter(re.findall(r"%(?:\d|[sd])", text)),
        "CR LF": text.count("\r\n"),
        "LF alone": text.count("\n") - text.count("\r\n"),
        "mnemonics": mnemonics,
        "ends": (text[:1].isspace(), text[-1:].isspace()),
    }


def check(path, original):
    faults = []
    before = {(c.findtext("name"), text_of(m.find("source")))
              for c in ET.parse(original).getroot().iter("context") for m in c.iter("message")}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation = message.find("translation")
            where = f"{original}: {name}: {source!r}"
            if (name, source) not in before:
                faults.append(f"{where}: in the sources, not in the catalogue (run lupdate)")
                continue
            if translation.get("type") in ("unfinished", "vanished", "obsolete"):
                faults.append(f"{where}: {translation.get('type')}")
                continue
            said = text_of(translation)
            for what, value in shape(source).items():
                if shape(said)[what] != value:
                    faults.append(f"{where}: the translation {said!r} changes the {what}")
    after = {(c.findtext("name"), text_of(m.find("source")))
             for c in ET.parse(path).getroot().iter("context") for m in c.iter("message")}
    for name, source in sorted(before - after):
        faults.append(f"{original}: {name}: {source!r}: no longer in the sources (run lupdate)")
    return faults


def main():
    split = sys.argv.index("--")
    lupdate, catalogues, arguments = sys.argv[1], sys.argv[2:split], sys.argv[split + 1:]
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        for original in catalogues:
            copy = f"{scratch}/{original.rsplit('/', 1)[-1]}"
            shutil.copy(original, copy)
            subprocess.run([lupdate, *arguments, "-ts", copy],
                           check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            faults += check(copy, original)
    print("\n".join(faults) if faults else f"{len(catalogues)} catalogues complete")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
