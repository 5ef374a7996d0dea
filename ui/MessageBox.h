// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <array>
#include <functional>

class QWidget;

// Every message the player sees goes through here: a modal box with a text, a title, one OK button
// and no icon. Texts keep their CR LF line ends; the box shows each as a line break.
// The box belongs to the window the player goes on in once it is closed, stands centred over it,
// and then gives the keyboard focus back: to `returnTo` where the message leads the player on
// elsewhere (a window the box's raiser has just closed, a box to correct), otherwise to the control
// that has the focus now.
void ShowMessageBox(const QString& text, const QString& title, QWidget* returnTo = nullptr);

// The title of every box the program shows. The end-to-end tests know the boxes by them (they read
// All through tests/e2e/ProgramFacts.cpp), and the widget tests fail on a box whose title is not in
// All.
namespace BoxTitle {
inline constexpr const char* Finished = "Finished";
inline constexpr const char* NotSaved = "Not Saved";
inline constexpr const char* InvalidCharacter = "Invalid Character";
inline constexpr const char* InvalidInformation = "Invalid Information";
inline constexpr const char* InvalidScriptName = "Invalid Script Name";
inline constexpr const char* TextTooLong = "Text Too Long";
inline constexpr std::array All{Finished,           NotSaved,          InvalidCharacter,
                                InvalidInformation, InvalidScriptName, TextTooLong};
}  // namespace BoxTitle

// Takes the place of the real modal box until reset with an empty function, so that a test can see
// each message and answer it at once. Returns the hook it replaces.
using MessageBoxHook = std::function<void(const QString& text, const QString& title)>;
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);
