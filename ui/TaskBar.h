// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Keeps a top-level window out of the task bar and the pager. Call it before each show: on X11 the
// window manager reads the state when the window is mapped. One unit per platform implements it,
// chosen by the build: TaskBarWindows.cpp on Windows, TaskBarX11.cpp where xcb is found,
// TaskBarNone.cpp elsewhere. On X11 it does nothing where the platform is not xcb (the offscreen
// platform of the tests).
void KeepOutOfTaskBar(QWidget* window);
