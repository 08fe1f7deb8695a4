#!/usr/bin/python3
"""Reads the running program through AT-SPI as a screen reader does: the menu
window, then one turn of the digit-sequence drill worked through the
accessibility actions and the editable-text interface alone."""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

MENU_TITLE = "ズノビー「ハルモ」"
DRILL_BUTTON = "記憶・数字列１"


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


announced = []  # names announced through the name-changed event


def heard(event):
    announced.append(event.source.name)


def wait_for(what, find, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass  # deliver the events that arrived
        try:
            found = find()
        except Exception:  # objects go while windows change; ask again
            found = None
        if found:
            return found
        time.sleep(0.1)
    fail(f"{what}: not there after {seconds} s")


def tree(node):
    for child in node:
        if child is not None:
            yield child
            yield from tree(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def all_of(node, role, name=None):
    return [n for n in tree(node) if n.getRoleName() == role and showing(n)
            and (name is None or n.name == name)]


def one(node, role, name):
    found = all_of(node, role, name)
    return found[0] if len(found) == 1 else None


def act(node, action):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        fail(f"{node.getRoleName()} \"{node.name}\" has no action {action}: {names}")
    actions.doAction(names.index(action))


def window(app, find):
    return next((w for w in app if w is not None and w.getRoleName() == "frame" and find(w)), None)


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((a for a in desktop if a is not None and a.name == "zunobi"), None)


def read_menu(app):
    menu = wait_for("menu window", lambda: window(app, lambda w: w.name == MENU_TITLE))
    labels = all_of(menu, "label")
    descriptions = [l.name for l in labels if l.name != "ズノビ"]
    if len(labels) != 13 or len(descriptions) != 12 or not all(descriptions):
        fail(f"title and twelve descriptions expected as labels, got {[l.name for l in labels]}")
    if "四則計算問題を暗算で行う。計算力と同時に、頭脳が活性化する。" not in descriptions:
        fail("the arithmetic drill's description is not read")
    buttons = all_of(menu, "push button")
    if len(buttons) != 13 or not {"終了", DRILL_BUTTON} <= {b.name for b in buttons}:
        fail(f"thirteen buttons expected, got {[b.name for b in buttons]}")
    bars = all_of(menu, "menu bar")
    if len(bars) != 1:
        fail("no menu bar")
    # Qt's own menu bar: a menu item holding its menu, shown only while open.
    info = one(bars[0], "menu item", "【情　　報】")
    popup = [(p.getRoleName(), [(i.getRoleName(), i.name) for i in p]) for p in info or []]
    if popup != [("popup menu", [("menu item", "ハルモ")])]:
        fail(f"the information menu with its item ハルモ is not read: {popup}")
    if any(showing(n) for n in tree(info)):
        fail("the closed menu's items are announced")
    if any(n.name == "環境作成" for n in tree(bars[0]) if showing(n)):
        fail("the hidden maintenance item is announced")
    if not all_of(menu, "image"):
        fail("the picture is not read")
    print("menu:", menu.name, "/", len(labels), "labels /", len(buttons), "buttons / 【情　　報】 > ハルモ")
    return menu


def work_one_turn(app, menu):
    act(one(menu, "push button", DRILL_BUTTON), "Press")
    drill = wait_for("drill window",
                     lambda: window(app, lambda w: one(w, "radio button", "１０秒")))
    ten = one(drill, "radio button", "１０秒")
    act(ten, "Toggle")
    wait_for("１０秒 checked", lambda: ten.getState().contains(pyatspi.STATE_CHECKED))
    act(one(drill, "push button", "開始"), "Press")
    ask = wait_for("question button", lambda: one(drill, "push button", "質問"))
    # The digits to remember, left to right, from the labels of the panel.
    panel = wait_for("digit panel", lambda: next(
        (p for p in all_of(drill, "panel") if len(all_of(p, "notification")) == 4), None))
    digits = [l.name for l in sorted(all_of(panel, "notification"),
                                     key=lambda l: l.queryComponent().getPosition(0)[0])]
    if not all(re.fullmatch(r"[0-9]", d) for d in digits):
        fail(f"digits expected, got {digits}")
    act(ask, "Press")
    question = wait_for("question", lambda: next(
        (l for l in all_of(drill, "label") if "の順に数字を答えなさい" in l.name), None))
    order = [int(n) for n in re.findall(r"[1-4]", question.name.split("\n", 1)[1])]
    answer = "".join(digits[k - 1] for k in order)
    box = wait_for("answer box", lambda: next(iter(all_of(drill, "text")), None))
    # The box reads as the question it answers.
    if box.name != question.name:
        fail(f"answer box named {box.name!r}, not as its question {question.name!r}")
    box.queryEditableText().setTextContents(answer)
    wait_for("answer in the box", lambda: box.queryText().getText(0, -1) == answer)
    box.queryComponent().grabFocus()
    subprocess.run(["xdotool", "key", "Return"], check=True, timeout=10)
    judgement = wait_for("judgement", lambda: next(
        (l for l in all_of(drill, "notification") if l.name.startswith("（前問題）")), None))
    if judgement.name != "（前問題）\n○":
        fail(f"answer {answer} for {digits} in order {order} judged: {judgement.name!r}")
    # A screen reader following the window hears the judgement as it comes.
    wait_for("the judgement announced", lambda: judgement.name in announced)
    clock = next((l for l in all_of(drill, "label") if l.name.startswith("現在の時刻　")), None)
    if not clock or not re.fullmatch(r"現在の時刻　\d{1,2}:\d{2}:\d{2}", clock.name):
        fail(f"clock label not read: {clock.name if clock else None!r}")
    print("drill:", drill.name, "/ digits", "".join(digits), "/ order", order,
          "/ judged", judgement.name.replace("\n", " "), "/", clock.name,
          f"/ {len(announced)} names announced")


def main():
    pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name")
    # Started only once the listener is registered, so that the program
    # knows from its start that someone listens for name changes.
    started = subprocess.Popen([sys.argv[1]])
    try:
        app = wait_for("zunobi on the accessibility bus", program, 30)
        menu = read_menu(app)
        work_one_turn(app, menu)
    finally:
        started.terminate()
        started.wait(timeout=10)
    print("PASS")


main()
