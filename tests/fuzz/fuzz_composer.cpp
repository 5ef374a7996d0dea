// SPDX-License-Identifier: MIT
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "script/BuyCatalogue.h"
#include "script/ScriptComposer.h"
#include "tests/fuzz/Require.h"

namespace {

constexpr std::string_view CRLF = "\r\n";
constexpr std::string_view Marker = "\r\n//MAIN SCRIPT=-\r\n";

ScriptSelection Selection(FuzzedDataProvider& input) {
  ScriptSelection s;
  for (bool* flag : {&s.Armor, &s.FullArmor, &s.Flashbang, &s.HEGrenade, &s.SmokeGrenade,
                     &s.DefusalKit, &s.NightVision, &s.Announce, &s.Advertise}) {
    *flag = input.ConsumeBool();
  }
  for (std::string* text :
       {&s.ScriptName, &s.BindKey, &s.Primary, &s.Secondary, &s.AdvertiseText}) {
    *text = input.ConsumeRandomLengthString();
  }
  return s;
}

// Key names the game spells otherwise may be renamed in the bind line; a key of lower-case letters,
// digits and underscores is the game's own spelling and stays as typed.
bool KeptAsTyped(const std::string& key) {
  return key.size() > 1 && std::all_of(key.begin(), key.end(), [](char c) {
           return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
         });
}

void CheckCatalogueInOrder(std::string_view added, const ScriptSelection& s) {
  std::size_t at = added.find(Marker);
  Require(at != std::string_view::npos, "the marker line is written");
  for (const std::string& line : CatalogueLines(s)) {
    at = added.find(std::string(CRLF) + line, at);
    Require(at != std::string_view::npos, "every catalogue line follows the marker, in order");
    at += CRLF.size() + line.size();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const ScriptSelection s = Selection(input);
  const std::string existing = input.ConsumeRemainingBytesAsString();

  const std::string result = ComposeScript(existing, s);
  Require(result.starts_with(existing), "the existing text is an unchanged prefix");
  const std::string_view added = std::string_view(result).substr(existing.size());
  Require(added.starts_with("\r\necho " + s.ScriptName + " Activated\r\necho Press "),
          "the new text opens with CR LF and the name's echo line");
  Require(added.find(" To Buy " + s.Primary + ", & " + s.Secondary + ".\r\necho ") !=
              std::string_view::npos,
          "the weapons stand verbatim in the second echo line");
  CheckCatalogueInOrder(added, s);
  Require(added.find("\r\nalias " + s.ScriptName + " \"buyprim; buysec;") != std::string_view::npos,
          "the main alias carries the name verbatim");

  std::string tail = " " + s.ScriptName;
  if (s.Announce) tail += "\r\nsay_team :Bought" + s.Primary + ":\r\n";
  if (s.Advertise) tail += "\r\nsay " + s.AdvertiseText + "\r\n";
  Require(added.ends_with(tail), "the bind line ends with the name, then the chosen messages");
  if (KeptAsTyped(s.BindKey)) {
    Require(added.ends_with("\r\n\r\nbind " + s.BindKey + tail), "the key stands as typed");
  }
  return 0;
}
