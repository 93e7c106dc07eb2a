#!/usr/bin/python3
"""What a screen reader finds in a running Tarvo, through the accessibility
bus: every control a user can reach has a name and a role, and the cards
can be reached. Answers the restore question through the bus first, so the
cards hold a project. Exits non-zero, saying why, on the first fault."""
import sys
import time

import pyatspi

REACHABLE = (pyatspi.STATE_FOCUSABLE, pyatspi.STATE_SHOWING, pyatspi.STATE_VISIBLE)
NAMELESS_ROLES = {"filler", "panel", "unknown", "redundant object"}


def tarvo(timeout=180):
    """The running Tarvo on the bus, once it has a window."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "Tarvo" and app.childCount > 0:
                return app
        time.sleep(0.2)
    desktop = pyatspi.Registry.getDesktop(0)
    names = [desktop.getChildAtIndex(i).name for i in range(desktop.childCount) if desktop.getChildAtIndex(i)]
    sys.exit("Tarvo did not show up on the accessibility bus; it lists: %s" % names)


def nodes(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def find(app, role, name, timeout=60):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        for node in nodes(app):
            if node.getRoleName() == role and node.name == name:
                return node
        time.sleep(0.2)
    return None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    action.doAction(0)


def main():
    app = tarvo()
    yes = find(app, "push button", "Yes")
    if yes is None:
        sys.exit("the restore question was not found")
    press(yes)
    if find(app, "label", "Design") is None:
        sys.exit("the restored project's cards did not show")
    faults = []
    cards = []
    for node in nodes(app):
        states = node.getState()
        if not all(states.contains(s) for s in REACHABLE):
            continue
        role, name = node.getRoleName(), node.name.strip()
        where = f"{role} '{name}' ({node.description})"
        if not role or role == "unknown":
            faults.append(f"no role: {where}")
        if not name and role not in ("menu bar",):
            faults.append(f"no name: a reachable {role}, in {node.parent.getRoleName()} '{node.parent.name}'")
        if name.startswith("Design") or name.startswith("Content"):
            cards.append(where)
    if len(cards) < 2:
        faults.append(f"the cards cannot be reached: {cards}")
    for fault in faults:
        print(fault)
    print(f"{len(cards)} cards reachable")
    sys.exit(1 if faults else 0)


main()
