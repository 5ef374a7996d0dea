// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Scripts as the composer must write them, every byte written out.

// Literal text of the header line 4 and the step aliases every script carries.
inline const std::string Preamble =
    "echo www.didadura.example\r\n"
    "alias s10 \"slot10;slot10;wait;wait;slot10;slot10\"\r\n"
    "alias m1 \"menuselect 1\"\r\n"
    "alias m2 \"menuselect 2\"\r\n"
    "alias m3 \"menuselect 3\"\r\n"
    "alias m4 \"menuselect 4\"\r\n"
    "alias m5 \"menuselect 5\"\r\n"
    "alias m6 \"menuselect 6\"\r\n"
    "alias m7 \"menuselect 7\"\r\n"
    "alias m8 \"menuselect 8\"\r\n"
    "alias pammo \"buyammo1; buyammo1; buyammo1\"\r\n"
    "alias sammo \"buyammo2; buyammo2; buyammo2\"\r\n"
    "//MAIN SCRIPT=-\r\n"
    "\r\n";

inline const std::string MainAlias =
    "alias MyScript \"buyprim; buysec; buyarmor; buyfullarmor; buyflashbang; buyhegrenade; "
    "buysmokegrenade; buydefusalkit; buynightvision\"\r\n";

// The 20 lines of a script composed from the main window's start values, the bind line last.
inline const std::string StartScript =
    "\r\n"
    "echo MyScript Activated\r\n"
    "echo Press Bind To Key: To Buy Primary Weapon, & Secondary "
    "Weapon.\r\n" +
    Preamble + MainAlias +
    "\r\n"
    "bind Bind To Key: MyScript";

// A script file as the save writes it: the scripts of the session, then CR LF CR LF.
inline std::string SavedFile(const std::string& scripts) { return scripts + "\r\n\r\n"; }
