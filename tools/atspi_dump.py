#!/usr/bin/python3
"""Prints what a screen reader learns of Orvella through AT-SPI, and walks it by keyboard.

Run by tools/atspi-dump.sh inside its own display and accessibility bus; it expects Orvella
to be running there with its input window focused. It types a name and a birth date with
xdotool, dumps the input window, asks for the reading, dumps the reading, walks the reading
with Tab and the Tree of Life with the arrow keys, and writes what it saw into a folder.

Usage: atspi_dump.py OUTPUT-FOLDER NAME DAY MONTH-DOWNS YEAR
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

STATES = [
    ("showing", pyatspi.STATE_SHOWING),
    ("visible", pyatspi.STATE_VISIBLE),
    ("focusable", pyatspi.STATE_FOCUSABLE),
    ("focused", pyatspi.STATE_FOCUSED),
    ("selected", pyatspi.STATE_SELECTED),
    ("selectable-text", pyatspi.STATE_SELECTABLE_TEXT),
]


# The object that last said it took the focus. Asking every object for its state would read
# the client's cache, in which a tab strip's current tab stays focused.
last_focus = {"node": None}


def on_focus(event):
    if event.detail1:
        last_focus["node"] = event.source


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)
    pump(0.4)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(50):
        for app in desktop:
            if app is not None and app.name == "orvella":
                return app
        time.sleep(0.2)
    sys.exit("Orvella is not on the accessibility bus")


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, text.characterCount)


def describe(node):
    states = node.getState()
    shown = [name for name, state in STATES if states.contains(state)]
    line = f"[{node.getRoleName()}] name={node.name!r}"
    if node.description:
        description = node.description
        if len(description) > 90:
            description = description[:87] + "..."
        line += f" description={description!r}"
    text = text_of(node)
    if text is not None and text != node.name:
        line += f" text={(text[:87] + '...') if len(text) > 90 else text!r}"
    for relation in node.getRelationSet():
        targets = [relation.getTarget(i).name for i in range(relation.getNTargets())]
        line += f" {pyatspi.relationToString(relation.getRelationType())}={targets}"
    if shown:
        line += " {" + ",".join(shown) + "}"
    return line


def dump(node, out, depth=0):
    out.write("  " * depth + describe(node) + "\n")
    if not dump_list_items(node):
        out.write("  " * (depth + 1) + f"({node.childCount} list items)\n")
        return
    for child in node:
        if child is not None:
            dump(child, out, depth + 1)


def find(node, test):
    if test(node):
        return node
    for child in node:
        if child is not None:
            found = find(child, test)
            if found is not None:
                return found
    return None


def focused(app):
    return last_focus["node"]


def window_described(app, start):
    # Every window has the same title; the descriptions tell them apart.
    for window in app:
        if window is not None and window.description.startswith(start):
            return window
    return app


def dump_list_items(node):
    return not (node.getRole() == pyatspi.ROLE_LIST and node.childCount > 12)


def main():
    out_dir, name, day, month_downs, year = sys.argv[1:6]
    app = application()
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")

    subprocess.run(["xdotool", "type", "--delay", "60", name], check=True)
    keys("Tab", *["Down"] * (int(day) - 1), "Tab", *["Down"] * int(month_downs), "Tab")
    keys(*["Down"] * (int(year) - 1900))
    with open(f"{out_dir}/input-window.txt", "w") as out:
        dump(window_described(app, "Input window"), out)

    keys("alt+p")
    pump(1.5)
    # No window manager gives the new frame the focus: the newest window of the title is it.
    frames = subprocess.run(["xdotool", "search", "--name", "Orvella v1.25"], check=True,
                            capture_output=True, text=True).stdout.split()
    subprocess.run(["xdotool", "windowfocus", "--sync", frames[-1]], check=True)
    pump(0.5)
    with open(f"{out_dir}/reading-window.txt", "w") as out:
        dump(window_described(app, "Reading window"), out)

    # Tab from the tab strip round the whole frame, then the drawing with the arrow keys on
    # the tab that explains the spheres.
    with open(f"{out_dir}/keyboard-walk.txt", "w") as out:
        window = window_described(app, "Reading window")
        strip = find(window, lambda n: n.getRole() == pyatspi.ROLE_PAGE_TAB_LIST)
        strip.queryComponent().grabFocus()
        pump(0.3)
        keys("Right")  # the third tab: "Sephiroths and Sun Sign"
        first = focused(app)
        out.write("Tab, starting at the tab strip:\n")
        out.write("  " + describe(first) + "\n")
        for _ in range(60):
            keys("Tab")
            now = focused(app)
            out.write("  " + (describe(now) if now else "(nothing focused)") + "\n")
            if now is not None and now.getRole() == pyatspi.ROLE_PAGE_TAB_LIST:
                break
        # Back to the drawing; its first sphere takes the focus.
        for _ in range(15):
            keys("shift+Tab")
            now = focused(app)
            if now is not None and now.getRole() in (pyatspi.ROLE_CANVAS, pyatspi.ROLE_IMAGE):
                break
        hover_name = find(window, lambda n: n.name == "Sphere" and n.getRole() == pyatspi.ROLE_LABEL
                          and n.description == "")
        out.write("\nArrow keys in the Tree of Life (focused sphere | the tab's sphere name):\n")
        for key in ["none"] + ["Right"] * 12 + ["Left", "Escape"]:
            if key != "none":
                keys(key)
            now = focused(app)
            shown = text_of(hover_name) if hover_name is not None else "?"
            out.write(f"  {key:6} -> {describe(now) if now else '(nothing)'} | {shown!r}\n")


if __name__ == "__main__":
    main()
