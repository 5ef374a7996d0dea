#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The program's windows and controls as the accessibility bus (AT-SPI) shows them to a screen
reader: found by title, role and name. atspi_road.py drives the program with them; run as a
command, this tells the end-to-end tests where the controls of a window are, so that they click
them where the program lays them out:
  atspi.py TITLE   one line "NAME=X,Y,WIDTH,HEIGHT" for the shown window of that title and for
                   each of its named controls, in the window's pixels"""
import sys
import time

import pyatspi

TIMEOUT = 10  # seconds to wait for anything


def wait_for(what, find):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.05)
    sys.exit(f"not within {TIMEOUT}s: {what}")


def window(title):
    def find():
        for app in pyatspi.Registry.getDesktop(0):
            for win in app or []:
                if win and win.name == title and win.getState().contains(pyatspi.STATE_SHOWING):
                    return win
        return None
    return wait_for(f'window "{title}"', find)


def control(win, role, name):
    """By the role's constant: its name differs between AT-SPI versions ("push button", "button")."""
    return wait_for(f'{role} "{name}" in "{win.name}"', lambda: pyatspi.findDescendant(
        win, lambda c: c and c.getRole() == role and c.name == name))


def controls(parent):
    """The named controls under `parent`; a combo box's list items are its own, not the window's."""
    for child in parent:
        if child:
            if child.name:
                yield child
            if child.getRole() != pyatspi.ROLE_COMBO_BOX:
                yield from controls(child)


def extents(accessible):
    return accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


if __name__ == "__main__":
    # Measured from the window's own corner on the screen: Qt's bridge answers a question in the
    # window's coordinates in the screen's.
    win = window(sys.argv[1])
    corner = extents(win)
    for named in (win, *controls(win)):
        box = extents(named)
        print(f"{named.name}={box.x - corner.x},{box.y - corner.y},{box.width},{box.height}")
