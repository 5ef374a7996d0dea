// SPDX-License-Identifier: MIT
#pragma once

// The program's start and end, apart from the form lifecycle: only they know which form comes
// first.
namespace Program {

// Starts the program on the main window. Windows come and go while it runs, the main one included;
// only "Exit" ends it.
void Start();

// Ends the program at once: every window disappears together, no close or unload handling runs.
void EndProgram();

}  // namespace Program
