#pragma once

class QWidget;

// Keeps a top-level window out of the task bar and the pager. Call it before each show: on X11 the
// window manager reads the state when the window is mapped. Elsewhere (and on the offscreen
// platform of the tests) it does nothing.
void KeepOutOfTaskBar(QWidget* window);
