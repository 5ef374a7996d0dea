// SPDX-License-Identifier: MIT
#pragma once

// Without a display, or with a window system plugin that cannot start, the toolkit aborts with
// advice to reinstall. Between WatchStart() and StartDone(), around the making of the
// application object, such a failure instead ends the program with one plain sentence on
// standard error and exit status 1. The toolkit's other messages of that moment are held and
// shown after StartDone().
void WatchStart();
void StartDone();
