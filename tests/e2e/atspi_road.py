#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Drives the running program through AT-SPI, the accessibility bus screen readers listen on:
reads what the controls are called, as a screen reader would say them, and presses the buttons.
Run by wayland_road.sh; exits with a message on the first thing not as expected."""
import subprocess

from atspi import TIMEOUT, control, wait_for, window
from pyatspi import ROLE_CHECK_BOX, ROLE_COMBO_BOX, ROLE_IMAGE, ROLE_PUSH_BUTTON, ROLE_TEXT

MAIN, SAVE = "Vezuvazov v1.0", "Cstrike Direcotry"
# What a screen reader hears of the controls whose names are not their captions, by role.
MAIN_HEARD = [(ROLE_IMAGE, "Vezuvazov, Counter-Strike Buy Script Maker"),
              (ROLE_TEXT, "Your Script Name"), (ROLE_COMBO_BOX, "Primary Weapon"),
              (ROLE_COMBO_BOX, "Secondary Weapon"), (ROLE_COMBO_BOX, "Bind To Key"),
              (ROLE_CHECK_BOX, "Announce Weapon"), (ROLE_TEXT, "Advertise Text")]
SAVE_HEARD = [(ROLE_TEXT, "Your Half-Life Directory"), (ROLE_PUSH_BUTTON, "OK")]


def stacking():
    """The program's window titles as Weston stacks them, the top one first."""
    graph = subprocess.run(["weston-debug", "scene-graph"], capture_output=True, text=True,
                           timeout=TIMEOUT).stdout
    return [line.split("top-level window '")[1].split("'")[0]
            for line in graph.splitlines() if "top-level window '" in line]


main = window(MAIN)
for role, name in MAIN_HEARD:
    control(main, role, name)
# A value picked or typed is the combo box's value, never its name.
primary = control(main, ROLE_COMBO_BOX, "Primary Weapon")
primary.getChildAtIndex(1).queryEditableText().setTextContents("UMP45")
control(main, ROLE_COMBO_BOX, "Primary Weapon")
control(main, ROLE_PUSH_BUTTON, "Create Script").queryAction().doAction(0)
save = window(SAVE)
for role, name in SAVE_HEARD:
    control(save, role, name)
# The new main window has appeared, and the save window stands above it.
wait_for("the save window on top of the new main window",
         lambda: stacking()[:2] == [SAVE, MAIN])
control(window(MAIN), ROLE_PUSH_BUTTON, "Exit").queryAction().doAction(0)
