#!/usr/bin/python3
"""Quillbox as a screen reader sees it through the accessibility bus (AT-SPI): a first run's
five pages and a Stickum, failing on any control that takes the keys without a name; the
calendar's days and a Stickum's rolled-up state. Run by a11y_session.sh: a11y_walk.py PROGRAM"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi

failures = []


def expect(held, what):
    if not held:
        failures.append(what)
        print("FAIL:", what, flush=True)
    return held


def wait_for(condition, seconds=10):
    """The condition's first answer that holds, within as long as a user would wait."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = condition()
        except Exception:  # the tree changes while it is read
            found = None
        if found:
            return found
        time.sleep(0.1)


def children(node):
    return filter(None, (node.getChildAtIndex(i) for i in range(node.childCount)))


def descendants(node, depth=0):
    yield node
    for child in children(node) if depth < 30 else ():
        yield from descendants(child, depth + 1)


def has(node, state):
    return node.getState().contains(state)


def find(root, role, name):
    return next((n for n in descendants(root) if n.getRole() == role and n.name == name), None)


def all_named(root, where):
    """Every control on show that takes the keyboard has a name."""
    for node in descendants(root):
        if has(node, pyatspi.STATE_FOCUSABLE) and has(node, pyatspi.STATE_SHOWING):
            parent = node.parent.name if node.parent else ""
            expect(node.name.strip(), f"{where}: a {node.getRoleName()} in '{parent}' has no name")


def program():
    apps = children(pyatspi.Registry.getDesktop(0))
    return next((a for a in apps if a.name == "Quillbox" and a.childCount), None)


def window(app, name):
    return next((w for w in children(app) if w.name == name and has(w, pyatspi.STATE_SHOWING)),
                None)


def press(node):
    node.queryAction().doAction(0)


def walk_main_window(app):
    main = wait_for(lambda: window(app, "Quillbox"))
    if not expect(main, "no main window named Quillbox"):
        return None
    expect(main.getRole() == pyatspi.ROLE_FRAME, f"the main window is a {main.getRoleName()}")
    expect(find(main, pyatspi.ROLE_PUSH_BUTTON, "Close"), "the caption's Close is not there")
    pages = find(main, pyatspi.ROLE_PAGE_TAB_LIST, "Notes")
    for index, page in enumerate(["Notes", "Lendings", "Reminders", "Options", "Infoz"]):
        press(pages.getChildAtIndex(index))
        expect(wait_for(lambda: pages.name == page), f"the tab {page} cannot be chosen")
        time.sleep(0.2)
        all_named(main, page)
    # The calendar: a table of the month's days, each named by its date.
    calendar = find(main, pyatspi.ROLE_TABLE, "Calendar")
    if expect(calendar, "the calendar is not a table named Calendar"):
        day = re.compile(r"^[A-Z][a-z]+day (\d+) [A-Z][a-z]+ \d{4}$")
        names = [calendar.getChildAtIndex(i).name for i in range(calendar.childCount)]
        expect(28 <= len(names) <= 31 and all(
            day.match(n) and int(day.match(n).group(1)) == i + 1 for i, n in enumerate(names)),
            f"the calendar's cells are {names}")
    return main


def walk_stickum(app, main):
    # A note written and added on the Notes page, then the window collapsed.
    press(find(main, pyatspi.ROLE_PAGE_TAB, "Notes"))
    text = wait_for(lambda: find(main, pyatspi.ROLE_TEXT, "Note text"))
    if not expect(text, "the note's text cannot be found by its name"):
        return
    text.queryEditableText().insertText(0, "Buy milk\nand eggs", len("Buy milk\nand eggs"))
    press(wait_for(lambda: find(main, pyatspi.ROLE_PUSH_BUTTON, "Add")))
    press(find(main, pyatspi.ROLE_PUSH_BUTTON, "Collapse"))
    stickum = wait_for(lambda: window(app, "Buy milk"))
    if not expect(stickum, "no Stickum named after its note's first line"):
        return
    all_named(stickum, "Stickum")
    expect(stickum.getRole() == pyatspi.ROLE_FRAME, f"the Stickum is a {stickum.getRoleName()}")
    expect(find(stickum, pyatspi.ROLE_TEXT, "Stickum text"), "the Stickum's text is not named")
    expect(find(stickum, pyatspi.ROLE_PUSH_BUTTON, "Close"), "no Close button")
    expect(has(stickum, pyatspi.STATE_EXPANDABLE) and has(stickum, pyatspi.STATE_EXPANDED),
           "an unrolled Stickum does not say it is expanded")
    roll = find(stickum, pyatspi.ROLE_PUSH_BUTTON, "Roll up")
    if expect(roll, "no Roll up button"):
        press(roll)
        expect(wait_for(lambda: has(stickum, pyatspi.STATE_COLLAPSED)),
               "a rolled-up Stickum does not say it is collapsed")
        expect(wait_for(lambda: find(stickum, pyatspi.ROLE_PUSH_BUTTON, "Unroll")),
               "the rolled-up Stickum's button is not called Unroll")


def main():
    with tempfile.TemporaryDirectory(prefix="quillbox-a11y-") as folder:
        program_copy = shutil.copy(sys.argv[1], folder)  # a first run in a folder of its own
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        with subprocess.Popen([program_copy], env=env) as run:
            try:
                app = wait_for(program)
                main_window = expect(app, "no Quillbox on the bus") and walk_main_window(app)
                if main_window:
                    walk_stickum(app, main_window)
            finally:
                run.send_signal(signal.SIGTERM)
    print(f"{len(failures)} failures", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
