#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Walks ぽにるか as a screen reader sees it and prints each screen's tree.

Runs inside tools/a11y-session.sh (see tools/a11y-dump.sh). Every step is taken
through the accessibility bus alone, as assistive technology takes it: the
splash's frame, the buttons and "バージョン" are pressed by their actions, the
answers typed through the boxes' editable text. Each object is printed with
its role, name, description, states, relations and actions; the
notifications a screen reader speaks wherever the focus is are printed as
they show.

Usage: a11y-dump.py PATH-TO-PONIRUKA
"""

import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# The bindings mark get_action_name deprecated for a get_name they cannot
# offer (Accessible has its own); it is the one there is.
warnings.filterwarnings("ignore", "Atspi.Action.get_action_name is deprecated", DeprecationWarning)

APP = "ぽにるか"
# States every visible, enabled object has; the others say something.
USUAL = {"enabled", "sensitive", "visible", "showing"}


def pump(seconds):
    """Lets events arrive for a while."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def app():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        child = desktop.get_child_at_index(i)
        if child and child.get_name() == APP:
            return child
    return None


def window(name, timeout=10.0):
    """The program's window of that name, waiting for it to appear."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        program = app()
        if program:
            program.clear_cache()
            for i in range(program.get_child_count()):
                child = program.get_child_at_index(i)
                if child and child.get_name() == name and child.get_state_set().contains(Atspi.StateType.SHOWING):
                    return child
        pump(0.05)
    sys.exit(f"no window {name!r}")


def find(root, name, role=None):
    """The first object under root with that name (and role)."""
    if root.get_name() == name and (role is None or root.get_role_name() == role):
        return root
    for i in range(root.get_child_count()):
        found = find(root.get_child_at_index(i), name, role)
        if found:
            return found
    return None


def actions(obj):
    if "Action" not in obj.get_interfaces():
        return []
    names = []
    for i in range(Atspi.Action.get_n_actions(obj)):
        key = Atspi.Action.get_key_binding(obj, i)
        names.append(Atspi.Action.get_action_name(obj, i) + (f" ({key})" if key else ""))
    return names


def press(root, name, role=None):
    obj = find(root, name, role)
    if not obj:
        sys.exit(f"nothing named {name!r}")
    for i, action in enumerate(actions(obj)):
        if action.split(" ")[0] == "Press":
            print(f'-- press "{name}"')
            Atspi.Action.do_action(obj, i)
            pump(0.3)
            return
    sys.exit(f"{name!r} offers no press")


def dump(obj, depth=0):
    states = sorted(s.value_nick for s in obj.get_state_set().get_states() if s.value_nick not in USUAL)
    line = f'{"  " * depth}{obj.get_role_name()} "{obj.get_name()}"'
    if obj.get_description():
        line += f" ({obj.get_description()})"
    if states:
        line += " [" + ", ".join(states) + "]"
    for relation in obj.get_relation_set():
        targets = [f'"{relation.get_target(i).get_name()}"' for i in range(relation.get_n_targets())]
        line += f" {relation.get_relation_type().value_nick} " + ", ".join(targets)
    if actions(obj):
        line += " actions: " + ", ".join(actions(obj))
    print(line)
    for i in range(obj.get_child_count()):
        dump(obj.get_child_at_index(i), depth + 1)


def spoken(event):
    if event.type.startswith("object:state-changed:showing") and event.detail1:
        source = event.source
        if source.get_role_name() == "notification":
            print(f'-- notification shows: "{source.get_name()}"')


def answer(screen, hours, minutes):
    for name, text in (("こたえの じ", hours), ("こたえの ふん", minutes)):
        Atspi.EditableText.set_text_contents(find(screen, name, "text"), text)
    print(f'-- type {hours} and {minutes}')
    press(screen, "こたえる", "push button")


def main():
    listener = Atspi.EventListener.new(spoken)
    listener.register("object:state-changed:showing")
    program = subprocess.Popen([sys.argv[1]])
    try:
        splash = window(APP)
        print("== splash")
        dump(splash)
        press(splash, "", "panel")  # the frame: what its click does, before the timer does it

        menu = window("メインメニュー")
        print("\n== menu")
        dump(menu)
        press(menu, "なんじになる？１", "push button")

        addition = window("ぽにるか：たしたらなんじになる？")
        print("\n== addition")
        dump(addition)
        answer(addition, "1", "1")  # before any problem the answer is 0:00
        answer(addition, "0", "0")
        press(addition, "バージョン")

        about = window("ぽにるかのﾊﾞｰｼﾞｮﾝ情報")
        print("\n== about box")
        dump(about)
        press(about, "OK", "push button")
        press(addition, "メニュー", "push button")
        press(window("メインメニュー"), "なんじになる？２", "push button")

        difference = window("ぽにるか：○じかんまえはなんじ？")
        print("\n== difference")
        dump(difference)
        press(difference, "おわる", "push button")
        program.wait(timeout=10)
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()


if __name__ == "__main__":
    main()
