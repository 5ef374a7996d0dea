#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Drives the running program through AT-SPI, the accessibility bus screen readers listen on:
reads what the controls are called, as a screen reader would say them, and presses the buttons.
Run by wayland_road.sh; exits with a message on the first thing not as expected."""
import subprocess

from atspi import TIMEOUT, control, wait_for, window

MAIN, SAVE = "Vezuvazov v1.0", "Cstrike Direcotry"
# What a screen reader hears of the controls whose names are not their captions, by role.
MAIN_HEARD = [("image", "Vezuvazov, Counter-Strike Buy Script Maker"),
              ("text", "Your Script Name"), ("combo box", "Primary Weapon"),
              ("combo box", "Secondary Weapon"), ("combo box", "Bind To Key"),
              ("check box", "Announce Weapon"), ("text", "Advertise Text")]
SAVE_HEARD = [("text", "Your Half-Life Directory"), ("push button", "OK")]


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
primary = control(main, "combo box", "Primary Weapon")
primary.getChildAtIndex(1).queryEditableText().setTextContents("UMP45")
control(main, "combo box", "Primary Weapon")
control(main, "push button", "Create Script").queryAction().doAction(0)
save = window(SAVE)
for role, name in SAVE_HEARD:
    control(save, role, name)
# The new main window has appeared, and the save window stands above it.
wait_for("the save window on top of the new main window",
         lambda: stacking()[:2] == [SAVE, MAIN])
control(window(MAIN), "push button", "Exit").queryAction().doAction(0)
