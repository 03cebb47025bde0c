#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Reads a running program's controls as a screen reader does, over the accessibility bus.

usage: screen_reader.py [--text] PROGRAM-NAME
       screen_reader.py --focus SECONDS
Prints one line per control of the program's windows: its role, a tab, its name, a tab, its
description; with --text, also a tab and the text a control holds (a memo's lines joined by
"\\n"), as a screen reader reads it out. Exits 1 when no program of that name is on the bus within
ten seconds. With --focus, prints instead each control that takes the focus in the next SECONDS,
as it takes it, with its keys last: a popup menu is not among a program's windows, and a screen
reader reads its items as they are reached.
"""

import sys
import time

import pyatspi


def find(name):
    for _ in range(100):
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == name:
                return application
        time.sleep(0.1)
    return None


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return ""
    return text.getText(0, -1).replace("\n", "\\n")


def walk(node, with_text):
    for child in node:
        if child is None:
            continue
        line = f"{child.getRoleName()}\t{child.name}\t{child.description}"
        if with_text:
            line += f"\t{text_of(child)}"
        print(line)
        walk(child, with_text)


def keys_of(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return ""
    return action.getKeyBinding(0) if action.nActions > 0 else ""


def follow_focus(seconds):
    from gi.repository import GLib

    def focused(event):
        if event.detail1 == 1:
            node = event.source
            print(f"{node.getRoleName()}\t{node.name}\t{node.description}\t{keys_of(node)}",
                  flush=True)

    pyatspi.Registry.registerEventListener(focused, "object:state-changed:focused")
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()


arguments = sys.argv[1:]
if arguments[:1] == ["--focus"]:
    follow_focus(float(arguments[1]))
    sys.exit(0)
with_text = arguments[:1] == ["--text"]
if with_text:
    arguments = arguments[1:]
application = find(arguments[0])
if application is None:
    print(f"screen_reader: no {arguments[0]} on the accessibility bus", file=sys.stderr)
    sys.exit(1)
walk(application, with_text)
