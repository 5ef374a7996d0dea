// SPDX-License-Identifier: MIT
#include "ui/TaskBar.h"

// Platforms without a task-bar hint of their own: the window flags alone decide.
void KeepOutOfTaskBar(QWidget*) {}
