#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The program's windows and controls as the accessibility bus (AT-SPI) shows them to a screen
reader: a window by its title, a control by its name. Exits with 1, saying nothing, while the shown
window of that title or the control is not there: the end-to-end tests wait with wait_until.
  atspi.py TITLE             one line "ROLE NAME=X,Y,WIDTH,HEIGHT" for the window and for each of
                             its named controls: ROLE as pyatspi names it (ROLE_PUSH_BUTTON, ...),
                             a line break of the name as a space, the place in the window's pixels
  atspi.py TITLE NAME press  does the control's action, as a switch user presses it
  atspi.py TITLE NAME set TEXT  sets the text of the control's edit field (a combo box's)"""
import sys

import pyatspi


def window(title):
    for app in pyatspi.Registry.getDesktop(0):
        for win in app or []:
            if win and win.name == title and win.getState().contains(pyatspi.STATE_SHOWING):
                return win
    sys.exit(1)


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


def main(title, name=None, action=None, text=None):
    win = window(title)
    if name is None:
        # Measured from the window's own corner on the screen: Qt's bridge answers a question in
        # the window's coordinates in the screen's.
        corner = extents(win)
        for named in (win, *controls(win)):
            box = extents(named)
            name = named.name.replace("\n", " ")
            print(f"{pyatspi.Role(named.getRole())} {name}="
                  f"{box.x - corner.x},{box.y - corner.y},{box.width},{box.height}")
        return
    control = next((c for c in controls(win) if c.name == name), None) or sys.exit(1)
    if action == "press":
        control.queryAction().doAction(0)
    else:
        control.getChildAtIndex(1).queryEditableText().setTextContents(text)


main(*sys.argv[1:])
