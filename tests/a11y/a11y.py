"""What the window tests on the accessibility bus share: finding the program
and its objects, waiting for them, and reading what a screen reader reads."""
import sys
import time

import pyatspi
from gi.repository import GLib

PATIENCE = 120  # seconds; the machine is small and shared


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, find, patience=PATIENCE):
    """Polls `find` until it returns something; fails naming `what`."""
    deadline = time.time() + patience
    while time.time() < deadline:
        pump()
        try:
            found = find()
        except Exception:  # an object went away while it was read
            found = None
        if found:
            return found
        time.sleep(0.1)
    fail("waited in vain for " + what)


def application(name="q716"):
    def find():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        return None
    return wait_for("the program on the accessibility bus", find)


def role(obj):
    return obj.getRoleName()


def states(obj):
    return obj.getState()


def showing(obj):
    return states(obj).contains(pyatspi.STATE_SHOWING)


def children(obj):
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            yield child


def descendants(obj, prune=lambda o: False):
    for child in children(obj):
        yield child
        if not prune(child):
            yield from descendants(child, prune)


def find(root, role_name, name=None, only_showing=True):
    for obj in descendants(root):
        if role(obj) == role_name and (name is None or obj.name == name) \
                and (not only_showing or showing(obj)):
            return obj
    return None


def window(app, title=None):
    """The shown top-level window whose title starts with `title`; without a
    title, the main window."""
    for w in children(app):
        if not showing(w):
            continue
        if w.name.startswith(title) if title else role(w) == "frame":
            return w
    return None


def press(obj):
    action = obj.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    for wanted in ("press", "click", "toggle"):
        if wanted in names:
            action.doAction(names.index(wanted))
            return
    action.doAction(0)


def value_text(obj):
    """What the control holds, as a screen reader reads it."""
    try:
        text = obj.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        pass
    try:
        return str(int(obj.queryValue().currentValue))
    except NotImplementedError:
        return ""


class FocusTracker:
    """The object the bus last reported focused, as a screen reader follows it."""

    def __init__(self):
        self.current = None
        pyatspi.Registry.registerEventListener(self._changed, "object:state-changed:focused")

    def seed(self, root):
        """Takes the focus as it stands, for events that came before."""
        for obj in descendants(root, prune=lambda o: role(o) in ("table", "menu bar")):
            if states(obj).contains(pyatspi.STATE_FOCUSED):
                self.current = obj

    def _changed(self, event):
        if event.detail1:
            self.current = event.source

    def wait(self, what, test):
        """Waits until the focused object passes `test`; fails naming `what`."""
        return wait_for(what + " (focus is on " + self.describe() + ")",
                        lambda: self.current if self.current and test(self.current) else None)

    def describe(self):
        if self.current is None:
            return "nothing"
        try:
            return "%s %r" % (role(self.current), self.current.name)
        except Exception:
            return "an object that went away"
