"""Over the accessibility bus, as a screen reader user would: presses "Calculate an Excuse!" on
the running program, waits for the excuse and checks that each of its four words comes from the
list of its column, then presses "Quit". Prints the excuse; exits non-zero on any fault.

usage: wayland_press.py
"""

import sys
import time

import pyatspi

APP = "pretextor"


def wait_for(what, probe, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"wayland_press: {what} within {seconds} s")


def program():
    for index in range(pyatspi.Registry.getDesktopCount()):
        desktop = pyatspi.Registry.getDesktop(index)
        for app in desktop:
            if app is not None and app.name == APP:
                return app
    return None


def controls(root):
    found = []
    stack = [root]
    while stack:
        node = stack.pop()
        found.append(node)
        stack.extend(child for child in node if child is not None)
    return found


def left(node):
    return node.queryComponent().getExtents(pyatspi.WINDOW_COORDS).x


def press(node):
    action = node.queryAction()
    names = [action.getName(index) for index in range(action.nActions)]
    action.doAction(names.index("Press") if "Press" in names else 0)


def main():
    app = wait_for("the program did not join the accessibility bus", program, 20)
    frame = wait_for("no main window on the accessibility bus",
                     lambda: next((w for w in app if w.name == "VORN: Random Pretextor"), None),
                     10)
    everything = controls(frame)

    def named(role, name):
        return [n for n in everything if n.getRole() == role and n.name == name]

    calculate = named(pyatspi.ROLE_PUSH_BUTTON, "Calculate an Excuse!")
    quit_button = named(pyatspi.ROLE_PUSH_BUTTON, "Quit")
    labels = sorted((n for n in everything if n.getRole() == pyatspi.ROLE_LABEL
                     and n.name in ("Press", "Button")), key=left)
    lists = sorted((n for n in everything if n.getRole() == pyatspi.ROLE_LIST), key=left)
    if len(calculate) != 1 or len(quit_button) != 1 or len(labels) != 4 or len(lists) != 4:
        sys.exit(f"wayland_press: expected one of each button and four excuse labels and lists; "
                 f"found {len(calculate)}, {len(quit_button)}, {len(labels)}, {len(lists)}")
    words = [{item.name for item in column} for column in lists]

    press(calculate[0])
    # The slow draw grows its bar for a few seconds before the excuse shows.
    wait_for("no excuse drawn",
             lambda: all(label.name not in ("Press", "Button") for label in labels), 20)
    excuse = [label.name for label in labels]
    for column, (word, choices) in enumerate(zip(excuse, words), start=1):
        if word not in choices:
            sys.exit(f"wayland_press: word {column} of the excuse, '{word}', is not in its list")
    print("excuse:", " ".join(excuse))
    press(quit_button[0])


main()
