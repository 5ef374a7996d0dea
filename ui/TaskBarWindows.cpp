// SPDX-License-Identifier: MIT
#include "ui/TaskBar.h"

#include <windows.h>

#include <QWidget>

// Windows leaves a window out of the task bar (and out of Alt+Tab) when it has the tool-window
// style and not the app-window one. It is set on the native window rather than through Qt::Tool,
// which would also change how Qt treats the window: no quitting when the last one closes, and a
// caption drawn small where the window has one.
void KeepOutOfTaskBar(QWidget* window) {
  const auto handle = reinterpret_cast<HWND>(window->winId());
  const LONG_PTR style = GetWindowLongPtrW(handle, GWL_EXSTYLE);
  SetWindowLongPtrW(handle, GWL_EXSTYLE, (style | WS_EX_TOOLWINDOW) & ~LONG_PTR{WS_EX_APPWINDOW});
}
