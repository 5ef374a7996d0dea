// SPDX-License-Identifier: MIT
#pragma once

// Makes screen readers hear every combo box by its accessible name, its text as its value. Qt on
// Linux names a combo box by its current text, so a field read out "UMP45" once that is picked.
// Called as the program starts, before any window is made.
void HearCombosByName();
