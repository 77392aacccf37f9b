#!/usr/bin/python3
"""Checks what Orca said during the keyboard walk of tools/orca_walk.py against what a blind
user must hear, for ANNA, born 5 January 1990 (Capricorn).

Usage: orca_heard.py WALK.json
Prints what is missing or forbidden, and a closing line; exits 1 on any fault.
"""

import json
import re
import sys

# The day list moved down from 1 to 5, the month list to February and back.
DATE_KEYS = [
    ("day list", ["2", "3", "4", "5"]),
    ("month list", ["February", "January"]),
]

# Each value heard together with its caption, in one utterance, the caption before it.
CAPTIONED = [
    ("Sun sign", "Capricorn"),
    ("Sun sign", "December 21 – January 19"),
    ("Path", "Path Of Ayin"),
    ("Hebrew Letter", "Ayin, which means eye"),
    ("Location", "Connecting path between Tiphereth and Hod"),
    ("Corresponding Planet", "Saturn"),
    ("Yetsiratic Attribution", "Renovating intelligence"),
    ("Color", "Black"),
    ("Element", "Earth"),
    ("Tarot Cards Associated With The Path", "The Devil"),
    ("Corresponding Rune Stone", "Nauthiz"),
    ("Alternative Names", "Noicz, Naud, Naudr, Nied"),
    ("Keywords", "Need, Help, Resistance, Love"),
    ("Nordic God", "Nornir,Etins"),
    ("First sphere, Sphere Sign", "Tiphereth"),
    ("Second sphere, Sphere Sign", "Hod"),
    ("About your sun sign", "You are"),
]

# Utterances that must be heard as they are, or begin so.
HEARD = [
    ("the date list on arrival", re.compile(r"^Date combo box\.$")),
    ("the first day", re.compile(r"^1\.$")),
    ("the drawing by its name", re.compile(r"^Tree of Life chart\.$")),
    ("the drawing's keys", re.compile(r"arrow keys.*P moves to the path")),
    ("Tiphereth highlighted", re.compile(r"^6 Tiphereth, highlighted\b")),
    ("Hod highlighted", re.compile(r"^8 Hod, highlighted\b")),
    ("a sphere not highlighted", re.compile(r"^7 Netzach image\.$")),
    ("the path highlighted", re.compile(r"^Path of Ayin, highlighted\b")),
    ("the path's card and letter", re.compile(r"The Devil.*Ayin, which means eye")),
    ("the menu bar on F10", re.compile(r"^File\.")),
]

FORBIDDEN = [
    ("a bare container role", re.compile(r"layered pane")),
    # The same words of two or more, twice in a row: a caption spoken twice.
    ("a caption twice in a row", re.compile(r"\b(\w+(?: \w+)+) \1\b")),
]


def main():
    steps = json.load(open(sys.argv[1], encoding="utf-8"))
    said = [u for step in steps for u in step["said"]]
    faults = []
    failed = set()

    def fail(check, text):
        failed.add(check)
        faults.append(text)

    for note, expected in DATE_KEYS:
        heard = [step["said"] for step in steps if step["note"] == note]
        flat = [u.rstrip(".") for s in heard for u in s]
        if flat != expected:
            fail(note, f"{note}: expected {expected} as the list moves, heard {flat}")

    for caption, value in CAPTIONED:
        found = [u for u in said if value in u and caption in u.split(value)[0]]
        if not found:
            fail(value, f"not heard: {value!r} with its caption {caption!r}")
        elif all(u.count(caption + " " + caption) for u in found):
            fail(value, f"caption {caption!r} twice with {value!r}")

    for what, pattern in HEARD:
        if not any(pattern.search(u) for u in said):
            fail(what, f"not heard: {what} ({pattern.pattern})")

    for what, pattern in FORBIDDEN:
        for u in said:
            if pattern.search(u):
                fail(what, f"heard {what}: {u[:100]!r}")

    checks = len(DATE_KEYS) + len(CAPTIONED) + len(HEARD) + len(FORBIDDEN)
    for fault in faults:
        print("FAIL:", fault)
    print(f"screen reader: {checks - len(failed)} passed, {len(failed)} failed")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
