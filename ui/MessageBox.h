// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

// Every message the player sees goes through here: a modal box with a text, a title, one OK button
// and no icon. Texts keep their CR LF line ends; the box shows each as a line break.
void ShowMessageBox(const QString& text, const QString& title);

// Takes the place of the real modal box until reset with an empty function, so that a test can see
// each message and answer it at once. Returns the hook it replaces.
using MessageBoxHook = std::function<void(const QString& text, const QString& title)>;
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);
