#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Reads a running program's controls as a screen reader does, over the accessibility bus.

usage: screen_reader.py PROGRAM-NAME
Prints one line per control of the program's windows: its role, a tab, its name, a tab, its
description. Exits 1 when no program of that name is on the bus within ten seconds.
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


def walk(node):
    for child in node:
        if child is None:
            continue
        print(f"{child.getRoleName()}\t{child.name}\t{child.description}")
        walk(child)


application = find(sys.argv[1])
if application is None:
    print(f"screen_reader: no {sys.argv[1]} on the accessibility bus", file=sys.stderr)
    sys.exit(1)
walk(application)
