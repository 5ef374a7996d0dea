// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// The maker's addresses. None of them holds "//": the game's console reads the rest of a line after
// it as a comment, which would cut the echo and say lines that carry these addresses.

// The web address in the script's header echo line and in the "Finished" message.
extern const std::string_view SiteAddress;
// The same site in its second form: the advertisement's start text and the About credits.
extern const std::string_view HomePageAddress;
// The e-mail address in the Help window.
extern const std::string_view ContactAddress;
