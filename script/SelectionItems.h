// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// The fixed lists of the main window's combo boxes, in the design's order. They hold no Qt type,
// so that the tests of the script core can check every item against the catalogue and the game.

// clang-format off
inline constexpr std::string_view PrimaryItems[] = {
    "None", "M3 Super 90", "XM1014", "MP5 Navy", "Steyr TMP", "P90",
    "Mac-10", "UMP45", "AK47", "SIG-552", "M4A1", "Steyr AUG",
    "Steyr Scout", "AWP", "GS/SG-1", "SIG-550", "M249",
    " ",
    "AK47/M4A1 Combo", "SIG-552/AUG Combo", "Mac-10/TMP Combo"};

inline constexpr std::string_view SecondaryItems[] = {
    "None", "USP Tact", "Glock 18", "Desert Eagle", "P228", "96G Elites", "Five-Seven",
    " ",
    "Elites/5-7 Combo"};

// The keys as the list shows them; the bind line names some of them the engine's way.
inline constexpr std::string_view BindKeyItems[] = {
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
    "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z",
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "0",
    "-", "=", "`",
    "TAB", "SHIFT", "CAPSLOCK", "CTRL", "ALT", "ENTER",
    ",", ".", "/", ";", "'", "[", "]", "\\",
    "BACKSPACE", "INSERT", "DELETE", "HOME", "END", "PAGEUP", "PAGEDOWN",
    "kp_slash", "kp_minus", "kp_plus", "kp_enter", "kp_end", "kp_downarrow", "kp_pgdn",
    "kp_leftarrow", "kp_5", "kp_rightarrow", "kp_home", "kp_uparrow", "kp_pgup", "kp_ins",
    "kp_del",
    "SPACE",
    "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12",
    "ESC",
    "UPARROW", "DOWNARROW", "LEFTARROW", "RIGHTARROW",
    "MOUSE1", "MOUSE2", "MOUSE3", "MWHEELUP", "MWHEELDOWN"};
// clang-format on
