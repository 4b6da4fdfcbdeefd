#!/usr/bin/python3
"""Walks every window of the program on the accessibility bus, in Chinese and
then in English, as a screen reader finds them. Fails on a control that takes
the focus without a name, or named by its value or by its frame; on a table
without a name or with two columns under one heading; and on a name of the
table below missing from its window. Usage: walk_windows.py SUBJECT, where
SUBJECT is a11y_windows, which shows the windows."""
import subprocess
import sys

import a11y
from a11y import fail, role

CHINESE, ENGLISH = 0, 1

# Window title (Chinese, English; None for the main window, whose title
# names its file) → (role, Chinese name, English name) that must be there:
# what a screen reader says for the window's key controls.
WINDOWS = [
    (None, [
        ("combo box", "发射超时", "Time-out"),
        ("combo box", "频段", "Channel"),
        ("password text", "通讯密码", "C-Password"),
        ("table", "信道表", "Channel table"),
        ("table column header", "接收亚音频", "RX tone"),
        ("table column header", "发射亚音频", "TX tone"),
        ("table row header", "信道 1", "Channel 1"),
        ("table cell", "空", "empty"),
    ]),
    (("Debug", "Debug"), [("slider", "高功率电平", "High power level")]),
    (("测试频率", "测试频率"), [("table", "测试频率表", "Test frequency table"),
                           ("table row header", "频道 1", "Channel 1")]),
    (("可选功能", "Optional Function"), [
        ("combo box", "优先", "Priority"),
        ("text", "扫描接收恢复延时时间(秒)", "Scan receive delay time(S)"),
    ]),
    (("键设定", "Keys Set"), [("combo box", "PF1", "PF1")]),
    (("嵌入信息", "Embedded Information"), [
        ("text", "嵌入信息 第 1 行", "Embedded information, line 1")]),
    (("Com", "Com"), []),
    (("Set Used Password", "Set Used Password"), [
        ("password text", "原始通讯密码:", "Old Password:")]),
    (("Help", "Help"), [("push button", "确定", "OK")]),
    (("比较", "Compare"), [("table", "差异列表", "Differences")]),
    (("通信记录", "Communication log"), [("text", "通信记录内容", "Log contents")]),
    (("导入 CSV", "Import CSV"), [
        ("table", "将设置的信道", "Channels to be set"),
        ("table column header", "接收亚音频", "RX tone"),
        ("list", "跳过的行和改动", "Skipped rows and changes"),
    ]),
]

# Children of these are cells and items, read through their container.
CONTAINERS = ("table", "tree table", "list", "menu bar", "menu")


def frame_names(obj):
    """The titles of the frames around `obj`."""
    names = []
    parent = obj.parent
    while parent is not None and role(parent) not in ("frame", "dialog", "application"):
        if role(parent) in ("panel", "grouping") and parent.name:
            names.append(parent.name)
        parent = parent.parent
    return names


def check_control(obj, where):
    if not a11y.states(obj).contains(a11y.pyatspi.STATE_FOCUSABLE) or not a11y.showing(obj):
        return
    what = "%s: a %s" % (where, role(obj))
    if not obj.name.strip():
        fail(what + " has no name")
    values = {a11y.value_text(obj)}
    if role(obj) == "combo box":  # its list's items
        values |= {o.name for o in a11y.descendants(obj) if role(o) == "list item"}
    if obj.name in values:
        fail("%s is named by its value %r" % (what, obj.name))
    if obj.name in frame_names(obj):
        fail("%s is named by its frame %r" % (what, obj.name))


def check_table(obj, where):
    if not obj.name.strip():
        fail("%s: a table has no name" % where)
    table = obj.queryTable()
    seen = {}
    for column in range(table.nColumns):
        header = table.getColumnHeader(column)
        name = header.name if header is not None else ""
        if name and name in seen:
            fail("%s: table %r has columns %d and %d both headed %r"
                 % (where, obj.name, seen[name], column, name))
        seen[name] = column


def check_window(win, expected, language):
    where = "window %r" % win.name
    names = set()
    for obj in a11y.descendants(win, prune=lambda o: role(o) in CONTAINERS):
        names.add((role(obj), obj.name))
        if role(obj) in ("table", "tree table") and a11y.showing(obj):
            check_table(obj, where)
            table = obj.queryTable()
            for column in range(table.nColumns):
                header = table.getColumnHeader(column)
                if header is not None:
                    names.add((role(header), header.name))
            row = table.getRowHeader(0)
            if row is not None:
                names.add((role(row), row.name))
            for column in range(table.nColumns):
                cell = table.getAccessibleAt(table.nRows - 1, column)
                if cell is not None:
                    names.add((role(cell), cell.name))
        else:
            check_control(obj, where)
    for wanted in expected:
        pair = (wanted[0], wanted[1 + language])
        if pair not in names:
            fail("%s has no %s named %r" % (where, pair[0], pair[1]))


def walk(app, language):
    report_title = WINDOWS[-1][0][language]
    a11y.wait_for("the CSV import report", lambda: a11y.window(app, report_title))
    for titles, expected in WINDOWS:
        title = titles[language] if titles else None
        win = a11y.wait_for("the window %s" % (title or "main"), lambda: a11y.window(app, title))
        check_window(win, expected, language)
    report = a11y.window(app, report_title)
    a11y.press(a11y.find(report, "push button", ("取消", "Cancel")[language]))

    # A message box is an alert whose text a screen reader reads.
    alert = a11y.wait_for("a message box", lambda: a11y.find(app, "alert"))
    if not any(role(o) == "label" and o.name.strip() for o in a11y.descendants(alert)):
        fail("the message box has no text to read")
    a11y.press(a11y.find(alert, "push button", ("确定", "OK")[language]))


def main():
    subject = subprocess.Popen([sys.argv[1]])
    try:
        app = a11y.application()
        walk(app, CHINESE)
        english = a11y.find(app, "menu item", "英文", only_showing=False)
        if english is None:
            fail("no menu item switches to English")
        a11y.press(english)
        walk(app, ENGLISH)
        if subject.wait(timeout=a11y.PATIENCE) != 0:
            fail("the program ended with status %d" % subject.returncode)
    finally:
        if subject.poll() is None:
            subject.kill()
    print("every window named in both languages")


if __name__ == "__main__":
    main()
