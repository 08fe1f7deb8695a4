#!/usr/bin/python3
"""Hears the program as a blind user does, through what Orca says (its debug
file's SPEECH OUTPUT lines): each of the twelve drills reached on the menu
with Tab and opened with Space is announced as a window with the control
that has the focus, Tab is heard inside it, Enter on the back button
returns to the menu, which is announced again; in the mental-arithmetic
drill the judgement is heard after Enter."""
import re
import subprocess
import sys
import time

MENU = "ズノビー「ハルモ」"
BACK = ("メニューへ戻る", "メインへ戻る")
KEY_ECHO = re.compile(r"^(tab|space|return|left shift|[0-9])\s*$", re.I)


class Orca:
    def __init__(self, log):
        self.file = open(log, encoding="utf-8", errors="replace")
        self.text = ""
        self.parsed = 0  # of text, up to the end of the last line found
        self.said = []  # what Orca said, key echo aside
        self.read = 0  # lines already looked at

    def lines(self):
        self.text += self.file.read()
        # What is said may run over several lines of the file.
        speech = re.compile(r"SPEECH OUTPUT: '(.*?)' ?\{'established", re.S)
        for m in speech.finditer(self.text, self.parsed):
            said = re.sub(r"\s*\n\s*", " ", m.group(1))
            if not KEY_ECHO.match(said):
                self.said.append(said)
            self.parsed = m.end()
        return self.said

    def hear(self, what, matches, seconds=10):
        """Waits for a line after those already heard that `matches`;
        returns it, and the lines before it count as heard."""
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            said = self.lines()
            for i in range(self.read, len(said)):
                if matches(said[i]):
                    self.read = i + 1
                    return said[i]
            time.sleep(0.05)
        fail(f"{what}: not heard; Orca said since: {self.lines()[self.read:]}")

    def next_line(self, what, seconds=10):
        return self.hear(what, lambda s: True, seconds)

    def quiet(self, still=0.2):
        """Waits until Orca has said nothing new for `still` seconds, and
        returns what it said meanwhile, which counts as heard."""
        count = len(self.lines())
        while True:
            time.sleep(still)
            if len(self.lines()) == count:
                break
            count = len(self.said)
        new, self.read = self.said[self.read:], len(self.said)
        return new


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "100", *keys], check=True, timeout=20)


def announced_window(orca, what):
    """A window's name, then the control that has the focus."""
    frame = orca.hear(f"{what}: the window", lambda s: s.endswith(" frame."))
    focused = orca.next_line(f"{what}: the focused control after {frame!r}")
    if focused.endswith(" frame."):
        fail(f"{what}: {frame!r} and then no focused control but {focused!r}")
    return frame[: -len(" frame.")], focused


def press(orca, what, *keys):
    """Presses keys once Orca has finished speaking, and returns all it says
    then (key echo aside), as one line."""
    orca.quiet()
    key(*keys)
    first = orca.next_line(what)
    return " ".join([first] + orca.quiet())


def drill(orca, index, with_judgement):
    # From 終了 forwards, or backwards past it for the later half.
    way = "Tab" if index <= 6 else "shift+Tab"
    for _ in range(index if index <= 6 else 13 - index):
        button = press(orca, f"{way} to drill button {index}", way)
    if not button.endswith(" push button."):
        fail(f"drill button {index}: {way} reads {button!r}")
    button = button[: -len(" push button.")]
    key("space")
    title, focused = announced_window(orca, button)
    if title == MENU:
        fail(f"{button}: the menu announced instead of the drill")
    moved = press(orca, f"{button}: Tab inside the drill", "Tab")
    line = f"{button}: {title} / {focused} / Tab: {moved}"
    if with_judgement:
        # Once started, the first question; then a wrong answer.
        while not moved.startswith("開始"):
            moved = press(orca, f"{button}: Tab to 開始", "Tab")
        key("space")
        box = orca.hear(f"{button}: the answer box", lambda s: " text" in s)
        key("0", "Return")
        judged = orca.hear(f"{button}: the judgement",
                           lambda s: s.startswith("notification") and ("0" in s or "○" in s))
        asked = orca.hear(f"{button}: the next question", lambda s: s.startswith("notification"))
        line += f" / {box} / 0 Enter: {judged} / {asked}"
        moved = asked
    # Back to the menu: Tab to the back button, pressed with Enter.
    for _ in range(25):
        if moved.startswith(BACK):
            break
        moved = press(orca, f"{button}: Tab to the back button", "Tab")
    else:
        fail(f"{button}: no back button reached with Tab")
    key("Return")
    menu, focused = announced_window(orca, f"{button}: back to the menu")
    if menu != MENU:
        fail(f"{button}: back leads to {menu!r}")
    print(line, "/ back:", menu, focused, flush=True)


def main():
    program, log = sys.argv[1], sys.argv[2]
    orca = Orca(log)
    started = subprocess.Popen([program])
    try:
        title, focused = announced_window(orca, "the menu at start")
        if title != MENU or focused != "終了 push button.":
            fail(f"the menu reads {title!r} / {focused!r}")
        time.sleep(0.5)  # the windows made ready while the menu waits
        for index in range(1, 13):
            drill(orca, index, with_judgement=index == 2)
    finally:
        started.terminate()
        started.wait(timeout=10)
    print("PASS")


main()
