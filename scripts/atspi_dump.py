#!/usr/bin/python3
"""Dumps the program's accessibility tree as AT-SPI shows it and checks it.

Fails when the program's top level is not a frame named like the window, or when a shown
object the user can act on has no name. Prints the tree, one object a line.
Usage: atspi_dump.py WINDOW_TITLE [SECONDS_TO_WAIT]
"""
import sys
import time

import pyatspi

ACTING = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_LIST, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TABLE,
    pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU, pyatspi.ROLE_SLIDER, pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_LINK,
}


def frames(title):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        for child in app:
            if child is not None and child.name == title:
                yield app, child


def walk(obj, depth, problems):
    try:
        states = obj.getState()
    except Exception:  # an object gone while we walk
        return
    if not states.contains(pyatspi.STATE_SHOWING):
        return
    role = obj.getRole()
    name = (obj.name or "").strip()
    print("  " * depth + f"{obj.getRoleName()}: {name!r}")
    acting = role in ACTING
    if not acting:
        try:
            action = obj.queryAction()
            acting = any(action.getName(i) in ("press", "Press", "click")
                         for i in range(action.nActions))
        except NotImplementedError:
            pass
    if acting and not name:
        problems.append("  " * depth + f"{obj.getRoleName()} without a name")
    for child in obj:
        if child is not None:
            walk(child, depth + 1, problems)


def main():
    title = sys.argv[1]
    wait = float(sys.argv[2]) if len(sys.argv) > 2 else 30
    deadline = time.time() + wait
    found = []
    while not found and time.time() < deadline:
        found = list(frames(title))
        if not found:
            time.sleep(0.5)
    if not found:
        print(f"no top level named {title!r} on the accessibility bus", file=sys.stderr)
        return 1
    problems = []
    for app, top in found:
        print(f"application {app.name!r}")
        if top.getRole() not in (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW):
            problems.append(f"the top level is a {top.getRoleName()}, not a window")
        walk(top, 1, problems)
    for p in problems:
        print("PROBLEM: " + p, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
