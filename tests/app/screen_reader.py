#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Reads a running program's controls as a screen reader does, over the accessibility bus.

usage: screen_reader.py [--text] PROGRAM-NAME
Prints one line per control of the program's windows: its role, a tab, its name, a tab, its
description; with --text, also a tab and the text a control holds (a memo's lines joined by
"\\n"), as a screen reader reads it out. Exits 1 when no program of that name is on the bus within
ten seconds.
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


arguments = sys.argv[1:]
with_text = arguments[:1] == ["--text"]
if with_text:
    arguments = arguments[1:]
application = find(arguments[0])
if application is None:
    print(f"screen_reader: no {arguments[0]} on the accessibility bus", file=sys.stderr)
    sys.exit(1)
walk(application, with_text)
