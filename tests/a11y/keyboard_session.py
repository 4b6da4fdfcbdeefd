#!/usr/bin/python3
"""A whole session by keyboard alone, as a screen reader user works: choose
the port, read the simulated radio, change a channel's receive tone and
frequency in the table, open the table's menu with Shift+F10, write, save.
Keys go in through the X server (xdotool); after every step the focus the
accessibility bus reports is checked, and after the read and the write the
status a screen reader announces. Usage: keyboard_session.py BUILD_DIR"""
import os
import signal
import subprocess
import sys
import tempfile

import pyatspi

import a11y
from a11y import fail, role

here = os.path.dirname(os.path.abspath(__file__))


def keys(*sequence):
    for key in sequence:
        subprocess.run(["xdotool", "key", "--delay", "60", key], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)


class Session:
    def __init__(self, app):
        self.app = app
        self.focus = a11y.FocusTracker()
        self.values = {}
        pyatspi.Registry.registerEventListener(self._value, "object:property-change:accessible-value")

    def _value(self, event):
        r = role(event.source)
        self.values[r] = self.values.get(r, 0) + 1

    def expect_focus(self, step, test):
        self.focus.wait("after " + step, test)
        print("%-28s focus: %s" % (step, self.focus.describe()), flush=True)

    def cell(self):
        """(row, column, name) of the focused table cell, as announced."""
        cell = self.focus.current
        table = cell.parent
        index = cell.getIndexInParent()
        t = table.queryTable()
        row, column = t.getRowAtIndex(index), t.getColumnAtIndex(index)
        return (t.getRowHeader(row).name, t.getColumnHeader(column).name, cell.name)

    def go_to_cell(self, channel, heading):
        for _ in range(32):
            row, column, _ = self.cell()
            if row == "信道 %d" % channel and column == heading:
                return
            here_row = int(row.split()[-1])
            keys("Up" if here_row > channel else "Down" if here_row < channel else "Right")
            self.focus.wait("moving in the table", lambda o: role(o) == "table cell")
        fail("could not reach channel %d, %s" % (channel, heading))

    def status(self, text):
        a11y.wait_for("the status bar saying " + text,
                      lambda: a11y.find(self.app, "status bar", text))
        a11y.wait_for("the announcement " + text,
                      lambda: a11y.find(self.app, "notification", text))
        print("%-28s status: %s" % ("", text), flush=True)


def main():
    build = sys.argv[1]
    work = tempfile.mkdtemp()
    saved = os.path.join(work, "club.DAT")
    env = dict(os.environ, Q716_BUILD=build, XDG_DATA_HOME=work, XDG_CONFIG_HOME=work)
    # Its own process group: the demo script, the simulator and the program.
    program = subprocess.Popen([os.path.join(here, "..", "..", "scripts", "demo")], env=env,
                               start_new_session=True)
    try:
        s = Session(a11y.application())
        main_window = a11y.wait_for("the main window",
                                    lambda: a11y.window(s.app, "Q716S对讲机编程软件"))
        subprocess.run(["xdotool", "search", "--sync", "--name", "Q716S", "windowactivate",
                        "--sync"], check=True, stdout=subprocess.DEVNULL)
        s.focus.seed(main_window)
        s.expect_focus("start", lambda o: o.name == "机型")

        keys("alt+v")
        s.expect_focus("Communication port", lambda o: role(o) == "radio button"
                       and o.name.startswith("COM1"))
        keys("space")
        port = s.focus.current
        a11y.wait_for("COM1 chosen", lambda: a11y.states(port).contains(pyatspi.STATE_CHECKED))
        keys("Escape")
        s.expect_focus("port chosen", lambda o: o.name == "机型")

        keys("ctrl+r")
        s.status("读频成功！")
        if not s.values.get("progress bar"):
            fail("the progress bar sent no value changes during the read")

        # Tab visits every control of the window once on its way to the table.
        visited = []
        while role(s.focus.current) != "table cell" and len(visited) < 20:
            before = s.focus.current
            visited.append(before.name)
            keys("Tab")
            s.focus.wait("Tab from " + before.name, lambda o, b=before: o != b)
        s.expect_focus("Tab to the channel table", lambda o: role(o) == "table cell")
        if len(set(visited)) != len(visited):
            fail("Tab came back to a control before the table: %s" % visited)
        s.go_to_cell(3, "接收亚音频")
        s.expect_focus("channel 3 RX tone", lambda o: role(o) == "table cell")
        keys("Return")
        s.expect_focus("tone editor", lambda o: True)
        type_text("88.5")
        keys("Return")
        s.expect_focus("tone changed", lambda o: role(o) == "table cell" and o.name == "88.5")

        keys("Left", "Return")
        s.expect_focus("frequency editor", lambda o: o.name == "信道 3 接收频率")
        type_text("436.5")
        keys("Return")
        s.expect_focus("frequency changed",
                       lambda o: role(o) == "table cell" and o.name == "436.50000")

        keys("shift+F10")
        s.expect_focus("Shift+F10", lambda o: role(o) == "menu item")
        keys("Escape")
        s.expect_focus("menu closed", lambda o: role(o) == "table cell" and o.name == "436.50000")

        keys("ctrl+w")
        s.status("写频成功！")
        # The end of a write puts the focus on the band list, as the radio's
        # original program did.
        s.expect_focus("after writing", lambda o: o.name == "频段")

        keys("ctrl+s")
        s.expect_focus("save dialog", lambda o: role(o) == "text")
        type_text(saved)
        keys("Return")
        s.expect_focus("saved", lambda o: o.name == "频段")
        a11y.wait_for("the saved file", lambda: os.path.exists(saved))
    finally:
        os.killpg(program.pid, signal.SIGTERM)
        program.wait(timeout=a11y.PATIENCE)
    print("a session by keyboard alone")


if __name__ == "__main__":
    main()
