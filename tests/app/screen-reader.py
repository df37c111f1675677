#!/usr/bin/python3
"""Reads the window of kelmo (process PID, showing a scan of TREE) over
AT-SPI as a screen reader does, and checks what it hears against du:
every control of the window has a name and a description; the picture is a
list with one item per sub-directory, "NAME, SIZE bytes, SHARE %", whole
names, in the key's order; the key's entries say the same; the arrow keys
on the picture select an entry, the key follows and the entry is announced
as focused.

Usage: screen-reader.py TREE PID"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

tree, pid = sys.argv[1], int(sys.argv[2])
failures = []


def fail(message):
    failures.append(message)
    print("FAIL: " + message)


def wait_for(condition, seconds=60):
    """The condition's value once true, else its last value after seconds;
    AT-SPI's events are delivered while waiting."""
    deadline = time.monotonic() + seconds
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            value = condition()
        except Exception:  # the window is still being built
            value = None
        if value or time.monotonic() > deadline:
            return value
        time.sleep(0.05)


def du(path):
    return int(subprocess.check_output(["du", "-x", "-B1", "-s", path]).split()[0])


def expected_entries():
    whole = du(tree)
    entries = set()
    for name in os.listdir(tree):
        if os.path.isdir(os.path.join(tree, name)):
            size = du(os.path.join(tree, name))
            entries.add(f"{name}, {size:,} bytes, {100 * size / whole:.1f} %")
    return entries


def the_window():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == pid and app.childCount > 0:
            return app
    return None


def find(root, role, name):
    return pyatspi.findDescendant(root, lambda a: a.getRole() == role and a.name == name)


def items(listing):
    return [listing.getChildAtIndex(i) for i in range(listing.childCount)]


def selected(item):
    return item.getState().contains(pyatspi.STATE_SELECTED)


app = wait_for(the_window)
if app is None:
    print("FAIL: the window never appeared on the accessibility bus")
    sys.exit(1)
heard = []
pyatspi.Registry.registerEventListener(
    lambda event: event.detail1 and heard.append(event.source.name), "object:state-changed:focused")

want = expected_entries()
chart = wait_for(lambda: find(app, pyatspi.ROLE_LIST, "Pie Chart"))
key = wait_for(lambda: find(app, pyatspi.ROLE_LIST, "Key"))
if chart is None or key is None:
    print(f"FAIL: no list named 'Pie Chart' ({chart}) or 'Key' ({key})")
    sys.exit(1)
slices = wait_for(lambda: [s.name for s in items(chart)] if chart.childCount == len(want) else None)
entries = [e.name for e in items(key)]
if set(slices or []) != want:
    fail(f"the picture's items are {slices}, du says {sorted(want)}")
if entries != slices:
    fail(f"the key's entries {entries} differ from the picture's items {slices}")
if any(not s.description for s in items(chart)):
    fail("an item of the picture has no description")

# A label with no text says nothing, as it shows nothing.
frame = chart.parent
for control in frame:
    named = control.name or control.getRelationSet() or control.getRole() == pyatspi.ROLE_LABEL
    if not named or not control.description:
        fail(f"the {control.getRoleName()} '{control.name}' has no name or no description")

# The keyboard, as a person without a mouse moves through the slices.
chart.queryComponent().grabFocus()
if not wait_for(lambda: chart.getState().contains(pyatspi.STATE_FOCUSED)):
    fail("the picture does not take the focus")
for step in range(2):
    subprocess.run(["xdotool", "key", "Down"], check=True)
    if not wait_for(lambda: selected(chart.getChildAtIndex(step)) and selected(key.getChildAtIndex(step))):
        fail(f"Down did not select entry {step} in the picture and the key")
    if not wait_for(lambda: slices and slices[step] in heard):
        fail(f"entry {step} ({slices[step] if slices else '?'}) was not announced; heard {heard}")

sys.exit(1 if failures else 0)
