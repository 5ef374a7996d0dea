#pragma once

// The windows' first text makes the toolkit load the system's font configuration, which takes a
// good part of the start-up. StartFontWarmUp() loads it on a second thread while the application
// object is being made, which needs no fonts; FinishFontWarmUp() waits for it, before any text is
// laid out. One unit per platform implements the pair, chosen by the build:
// FontWarmUpFontconfig.cpp where fontconfig is found, FontWarmUpNone.cpp (nothing to do) elsewhere.
void StartFontWarmUp();
void FinishFontWarmUp();
