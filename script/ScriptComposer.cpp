// SPDX-License-Identifier: MIT
#include "script/ScriptComposer.h"

#include <algorithm>
#include <vector>

#include "script/BuyCatalogue.h"
#include "script/KeyNames.h"
#include "script/SiteAddresses.h"

namespace {

constexpr std::string_view CRLF = "\r\n";

// The step aliases every script defines before its buy aliases, up to and including the blank
// line after the marker. The second ammunition line defines sammo, so that pistol bodies buy
// pistol ammunition as rifle bodies buy rifle ammunition through pammo.
constexpr std::string_view Preamble =
    "\r\nalias s10 \"slot10;slot10;wait;wait;slot10;slot10\""
    "\r\nalias m1 \"menuselect 1\""
    "\r\nalias m2 \"menuselect 2\""
    "\r\nalias m3 \"menuselect 3\""
    "\r\nalias m4 \"menuselect 4\""
    "\r\nalias m5 \"menuselect 5\""
    "\r\nalias m6 \"menuselect 6\""
    "\r\nalias m7 \"menuselect 7\""
    "\r\nalias m8 \"menuselect 8\""
    "\r\nalias pammo \"buyammo1; buyammo1; buyammo1\""
    "\r\nalias sammo \"buyammo2; buyammo2; buyammo2\""
    "\r\n//MAIN SCRIPT=-\r\n";

// The main alias calls every buy alias, whether or not this script defined it.
constexpr std::string_view MainAliasBody =
    "buyprim; buysec; buyarmor; buyfullarmor; buyflashbang; buyhegrenade; buysmokegrenade; "
    "buydefusalkit; buynightvision";

// The header's echo line keeps the player's key text; only a ";" would split it.
std::string_view EchoedKeyName(const std::string& bindKey) {
  return bindKey == ";" ? SemicolonKeyName : std::string_view(bindKey);
}

// Appends by concatenation, growing the buffer geometrically so that a text passed from one
// composition to the next is copied only now and then, never on every call.
class ScriptBuilder {
 public:
  ScriptBuilder(std::string text, std::size_t expected) : text_(std::move(text)) {
    const std::size_t needed = text_.size() + expected;
    if (needed > text_.capacity()) text_.reserve(std::max(needed, 2 * text_.capacity()));
  }
  template <class... Pieces>
  void Line(const Pieces&... pieces) {
    text_.append(CRLF);
    (text_.append(pieces), ...);
  }
  void Raw(std::string_view piece) { text_.append(piece); }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

std::size_t ExpectedSize(const ScriptSelection& s, const std::vector<std::string>& catalogue) {
  std::size_t size = Preamble.size() + MainAliasBody.size() + SiteAddress.size() + 160 +
                     3 * s.ScriptName.size() + 2 * s.BindKey.size() + 2 * s.Primary.size() +
                     s.Secondary.size() + s.AdvertiseText.size();
  for (const std::string& line : catalogue) size += line.size() + CRLF.size();
  return size;
}

}  // namespace

std::string ComposeScript(std::string existing, const ScriptSelection& s) {
  const std::vector<std::string> catalogue = CatalogueLines(s);
  const std::string_view echoedKey = EchoedKeyName(s.BindKey);
  const std::string boundKey = BindKeyName(s.BindKey);
  ScriptBuilder script(std::move(existing), ExpectedSize(s, catalogue));

  script.Line("echo ", s.ScriptName, " Activated");
  script.Line("echo Press ", echoedKey, " To Buy ", s.Primary, ", & ", s.Secondary, ".");
  script.Line("echo ", SiteAddress);
  script.Raw(Preamble);
  for (const std::string& line : catalogue) script.Line(line);
  script.Line("alias ", s.ScriptName, " \"", MainAliasBody, "\"", CRLF);
  script.Line("bind ", boundKey, " ", s.ScriptName);
  if (s.Announce) script.Line("say_team :Bought", s.Primary, ":", CRLF);
  if (s.Advertise) script.Line("say ", s.AdvertiseText, CRLF);
  return script.Take();
}
