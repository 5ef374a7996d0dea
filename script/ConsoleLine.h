// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

// The longest line the game's console takes: 1,024 bytes in Half-Life's engine, 2,048 in Xash3D.
// A line of more characters has more bytes, so no game can run it whole.
inline constexpr std::ptrdiff_t LongestConsoleLine = 2048;
