// SPDX-License-Identifier: MIT
#pragma once

#include <string>

class QPushButton;
class QWidget;

// What differs between the window systems the program runs on, in one place: the build picks the
// unit (PlatformWindows.cpp on Windows, PlatformUnix.cpp elsewhere), and only that unit tells the
// window systems of its platform apart (X11, Wayland, the tests' offscreen one).
namespace Platform {

// Whether the program runs on this system. Where it does not, the player is told what it needs (a
// message box) and the answer is false. Called first, before anything is made or written.
bool SystemSupported();

// Has the application object, made next, take the widget style the windows were checked in, unless
// the player chose one: a -style argument or QT_STYLE_OVERRIDE wins.
void UseCheckedStyle();

// Brings a shown window to the front and makes it the active one. Wayland lets no program raise or
// activate its windows: there a window already on screen is mapped anew, as a compositor puts the
// window mapped last on top and makes it the active one.
void BringToFront(QWidget* window);

// Whether BringToFront can put a window above another that is shown but yet to appear; where it
// cannot, the caller waits for that one to appear first.
bool RaisesAboveComingWindows();

// Keeps a top-level window out of the task bar and the pager. Called before each show: X11 window
// managers read the state when the window is mapped.
void KeepOutOfTaskBar(QWidget* window);

// Draws a button's caption as the platform draws small captions, so that it stays solid black.
void KeepCaptionSolid(QPushButton* button);

// The one sentence that says why the window system could not be started, for a program that has
// no window to say it in.
std::string StartFailureText();
inline constexpr const char* PlatformFailedText =
    "Vezuvazov cannot start: the window system plugin \"%1\" cannot be started.";

}  // namespace Platform
