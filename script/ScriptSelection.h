// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The main window's values at the moment of "Create Script". Texts are UTF-8, taken verbatim from
// their controls; each flag is set exactly when its check box is ticked.
struct ScriptSelection {
  std::string ScriptName;
  std::string BindKey;
  std::string Primary;
  std::string Secondary;
  bool Armor = false;
  bool FullArmor = false;
  bool Flashbang = false;
  bool HEGrenade = false;
  bool SmokeGrenade = false;
  bool DefusalKit = false;
  bool NightVision = false;
  bool Announce = false;
  bool Advertise = false;
  std::string AdvertiseText;
};
