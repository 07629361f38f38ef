"""Reads the running recorder through the screen-reader interface (AT-SPI), as Orca does:
the main window, then every dialog the user fills in. Fails on an input, a toolbar
button, a menu item or a list item without a name, on a name that still carries a key
label, and when the Tip on display cannot be read."""
import sys
import time

import pyatspi
from gi.repository import Atspi

NAMED_ROLES = {
    "text", "password text", "entry", "combo box", "spin button", "check box",
    "radio button", "push button", "toggle button", "slider", "menu item", "list item",
    "table cell", "page tab",
}
TIPS = ("Alpha one", "Beta two")
# Menu path of each dialog to read, and the button that closes it again.
DIALOGS = [
    (("Tip", "Add"), "Exit"),
    (("Tip", "Edit"), "Exit"),
    (("Tip", "Password", "Activate"), "Cancel"),
    (("Delete", "Tip #"), "Cancel"),
    (("Search", "Category"), "Cancel"),
    (("Search", "Date"), "Cancel"),
    (("Search", "Number"), "Cancel"),
    (("Search", "Text"), "Cancel"),
    (("Screen", "Saver"), "Cancel"),
    (("Format", "Font", "Color"), "Cancel"),
    (("Format", "Background"), "Cancel"),
    (("Info", "Report"), "Exit"),
]

problems = []


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def walk(node, where, parent_role=""):
    role = node.getRoleName()
    name = node.name or ""
    # The list of a combo box is its popup; its entries are checked as list items.
    popup_list = role == "list" and parent_role == "combo box"
    if role in NAMED_ROLES and not name.strip() and not popup_list:
        problems.append(f"{where}: unnamed {role}")
    if "\t" in name:
        problems.append(f"{where}: {role} {name!r} carries its key label in its name")
    for child in children(node):
        walk(child, where, role)


def find(node, predicate):
    if predicate(node):
        return node
    for child in children(node):
        found = find(child, predicate)
        if found:
            return found
    return None


def wait_for(what, timeout=20.0):
    end = time.time() + timeout
    while time.time() < end:
        found = what()
        if found:
            return found
        time.sleep(0.2)
    return None


def recorder():
    for app in pyatspi.Registry.getDesktop(0):
        if app and app.name == "Pennivel" and app.childCount:
            return app
    return None


def press(node):
    # A menu item or button that opens a modal dialog answers only once the dialog
    # closes; the call's time-out is expected then, and the dialog is open.
    try:
        node.queryAction().doAction(0)
    except Exception:
        pass


def menu_item(frame, path):
    node = find(frame, lambda n: n.getRoleName() == "menu bar")
    for step in path:
        node = find(node, lambda n, s=step: n.getRoleName() == "menu item" and n.name == s)
        if node is None:
            return None
    return node


def dialogs(app):
    return [w for w in children(app) if w.getRoleName() == "dialog"]


def read_main_window(frame):
    walk(frame, "main window")
    view = find(frame, lambda n: n.getRoleName() == "text" and n.name == "Tip")
    if view is None:
        problems.append("main window: no text named Tip holds the Tip on display")
        return
    text = view.queryText()
    shown = text.getText(0, text.characterCount)
    if not any(tip in shown for tip in TIPS):
        problems.append(f"main window: the Tip view reads {shown!r}, not a Tip")


def main():
    Atspi.set_timeout(1500, -1)
    app = wait_for(recorder)
    if app is None:
        print("the recorder did not appear on the accessibility bus")
        return 1
    frame = wait_for(lambda: find(app, lambda n: n.getRoleName() == "frame"))
    wait_for(lambda: find(frame, lambda n: n.getRoleName() == "text" and n.name == "Tip"), 5)
    read_main_window(frame)
    for path, closer in DIALOGS:
        where = " > ".join(path)
        item = menu_item(frame, path)
        if item is None:
            problems.append(f"{where}: no such menu item")
            continue
        press(item)
        dialog = wait_for(lambda: dialogs(app) and dialogs(app)[0], 10)
        if not dialog:
            problems.append(f"{where}: no dialog opened")
            continue
        walk(dialog, f"{where} ({dialog.name})")
        button = find(dialog, lambda n, c=closer: n.getRoleName() == "push button"
                      and n.name.replace("&", "") == c)
        if button is None:
            problems.append(f"{where}: no {closer} button")
            return report()
        press(button)
        if not wait_for(lambda: not dialogs(app), 10):
            problems.append(f"{where}: the dialog did not close")
            return report()
    return report()


def report():
    for problem in problems:
        print(problem)
    print(f"{len(DIALOGS)} dialogs and the main window read, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
