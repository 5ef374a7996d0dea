// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "script/ScriptSelection.h"

// The part of a selection that a catalogue entry is tested against.
enum class BuySource {
  Secondary,
  Primary,
  Armor,
  FullArmor,
  Flashbang,
  HEGrenade,
  SmokeGrenade,
  DefusalKit,
  NightVision,
};

// One row of the buy catalogue: when its source matches, it defines Alias with its bodies, one
// after the other.
struct BuyEntry {
  BuySource Source;
  std::string_view Caption;  // the exact combo text of a weapon; the check box caption of equipment
  std::string_view Alias;
  std::array<std::string_view, 2> Bodies;  // the second is empty except for the primary combos

  std::size_t BodyCount() const { return Bodies[1].empty() ? 1 : 2; }
};

inline constexpr std::size_t BuyCatalogueSize = 33;

// 7 secondary, 19 primary and 7 equipment entries, in the order they are processed.
extern const std::array<BuyEntry, BuyCatalogueSize> BuyCatalogue;

// The catalogue's alias lines for a selection, one per matching entry, each without a line end, in
// catalogue order.
std::vector<std::string> CatalogueLines(const ScriptSelection& selection);
