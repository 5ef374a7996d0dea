#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program on Wayland, in a headless Weston, driven through AT-SPI as a screen reader or a
# switch user would drive it (atspi_road.py): the controls are heard by their names, also after a
# value is picked; "Create Script" opens the save window, which Weston shows above the new main
# window; "Exit" ends the program with exit code 0.
# Usage: wayland_road.sh PATH_TO_PROGRAM
export E2E_WM=weston
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
start_app
/usr/bin/python3 -B "$E2E_DIR/atspi_road.py" || fail "the road through AT-SPI stopped"
expect_exit_code 0
e2e_pass
