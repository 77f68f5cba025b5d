#!/usr/bin/python3
"""Quillbox as a screen reader sees it, through the desktop's accessibility bus (AT-SPI).

Run by a11y_session.sh inside a D-Bus session on the virtual X desktop: starts the program on a
first run, walks the main window's five pages and a Stickum, and fails on every control that
takes the keyboard but has no name. It also reads the calendar's days and the Stickum's
rolled-up state.
    a11y_walk.py PROGRAM
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi

PATIENCE = 10  # seconds to wait for what a user would wait for
failures = []


def fail(what):
    failures.append(what)
    print("FAIL:", what, flush=True)


def wait_for(condition, timeout=PATIENCE):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            found = condition()
        except Exception:  # the tree changes while it is read
            found = None
        if found:
            return found
        time.sleep(0.1)
    return None


def descendants(node, depth=0):
    yield node
    if depth > 30:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from descendants(child, depth + 1)


def has(node, state):
    return node.getState().contains(state)


def find(root, role, name=None):
    for node in descendants(root):
        if node.getRole() == role and (name is None or node.name == name):
            return node
    return None


def unnamed_controls(root, where):
    """Every control on show that takes the keyboard must have a name."""
    named = 0
    for node in descendants(root):
        if not (has(node, pyatspi.STATE_FOCUSABLE) and has(node, pyatspi.STATE_SHOWING)):
            continue
        if node.name.strip():
            named += 1
        else:
            parent = node.parent.name if node.parent else ""
            fail(f"{where}: a {node.getRoleName()} in '{parent}' has no name")
    return named


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Quillbox":
            return app
    return None


def window(app, name):
    for i in range(app.childCount):
        w = app.getChildAtIndex(i)
        if w is not None and w.name == name and has(w, pyatspi.STATE_SHOWING):
            return w
    return None


def press(node):
    node.queryAction().doAction(0)


def walk_main_window(app):
    main = wait_for(lambda: window(app, "Quillbox"))
    if not main:
        fail("no main window named Quillbox")
        return None
    if main.getRole() != pyatspi.ROLE_FRAME:
        fail(f"the main window is a {main.getRoleName()}, not a frame")
    if not find(main, pyatspi.ROLE_PUSH_BUTTON, "Close"):
        fail("the caption's Close button is not there")
    pages = find(main, pyatspi.ROLE_PAGE_TAB_LIST, "Notes")
    if not pages or pages.childCount < 5:
        fail("no list of five page tabs")
        return main
    total = 0
    for index, page in enumerate(["Notes", "Lendings", "Reminders", "Options", "Infoz"]):
        press(pages.getChildAtIndex(index))
        if not wait_for(lambda: pages.name == page):
            fail(f"the tab {page} cannot be chosen")
        time.sleep(0.2)
        total += unnamed_controls(main, page)
        if page == "Reminders":
            read_calendar(main)
    print(f"{total} named controls on the five pages", flush=True)
    return main


def read_calendar(main):
    calendar = find(main, pyatspi.ROLE_TABLE, "Calendar")
    if not calendar:
        fail("the calendar is not a table named Calendar")
        return
    days = calendar.childCount
    if not 28 <= days <= 31:
        fail(f"the calendar has {days} cells, not one per day")
        return
    day = re.compile(r"^[A-Z][a-z]+day (\d+) [A-Z][a-z]+ \d{4}$")
    for i in range(days):
        match = day.match(calendar.getChildAtIndex(i).name)
        if not match or int(match.group(1)) != i + 1:
            fail(f"the calendar's cell {i} is named '{calendar.getChildAtIndex(i).name}'")
            return


def walk_stickum(app, main):
    # A note written and added on the Notes page, then the window collapsed.
    press(find(main, pyatspi.ROLE_PAGE_TAB, "Notes"))
    text = wait_for(lambda: find(main, pyatspi.ROLE_TEXT, "Note text"))
    if not text:
        fail("the note's text cannot be found by its name")
        return
    text.queryEditableText().insertText(0, "Buy milk\nand eggs", len("Buy milk\nand eggs"))
    press(wait_for(lambda: find(main, pyatspi.ROLE_PUSH_BUTTON, "Add")))
    press(find(main, pyatspi.ROLE_PUSH_BUTTON, "Collapse"))
    stickum = wait_for(lambda: window(app, "Buy milk"))
    if not stickum:
        fail("no Stickum named after its note's first line")
        stickum = wait_for(lambda: window(app, "Stickum"))
        if not stickum:
            return
    if stickum.getRole() != pyatspi.ROLE_FRAME:
        fail(f"the Stickum is a {stickum.getRoleName()}, not a frame")
    unnamed_controls(stickum, "Stickum")
    if not find(stickum, pyatspi.ROLE_TEXT, "Stickum text"):
        fail("the Stickum's text is not named")
    if not (has(stickum, pyatspi.STATE_EXPANDABLE) and has(stickum, pyatspi.STATE_EXPANDED)):
        fail("an unrolled Stickum does not say it is expanded")
    if not find(stickum, pyatspi.ROLE_PUSH_BUTTON, "Close"):
        fail("the Stickum's Close button is not named")
    roll = find(stickum, pyatspi.ROLE_PUSH_BUTTON, "Roll up")
    if not roll:
        fail("the Stickum's Roll up button is not named")
        return
    press(roll)
    if not wait_for(lambda: has(stickum, pyatspi.STATE_COLLAPSED)):
        fail("a rolled-up Stickum does not say it is collapsed")
    if not wait_for(lambda: find(stickum, pyatspi.ROLE_PUSH_BUTTON, "Unroll")):
        fail("the rolled-up Stickum's button is not called Unroll")


def main():
    source = sys.argv[1]
    folder = tempfile.mkdtemp(prefix="quillbox-a11y-")
    shutil.copy(source, folder)
    run = None
    try:
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        run = subprocess.Popen([os.path.join(folder, os.path.basename(source))], env=env)
        app = wait_for(lambda: program() if program() and program().childCount else None)
        if not app:
            fail("Quillbox does not show on the accessibility bus")
            return 1
        main_window = walk_main_window(app)
        if main_window:
            walk_stickum(app, main_window)
    finally:
        if run:
            run.send_signal(signal.SIGTERM)
            run.wait(timeout=PATIENCE)
        shutil.rmtree(folder, ignore_errors=True)
    print(f"{len(failures)} failures", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
