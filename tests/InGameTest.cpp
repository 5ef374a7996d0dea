// SPDX-License-Identifier: MIT
// The composed scripts judged by the game: each is executed in the console model, then the key the
// player chose is pressed, and the commands that reach the game must buy exactly what was chosen.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "script/ScriptComposer.h"
#include "script/ScriptNameRules.h"
#include "script/SelectionItems.h"
#include "tests/CatalogueTable.h"
#include "tests/console/BuyMenus.h"
#include "tests/console/GameConsole.h"

namespace {

using Texts = std::vector<std::string>;

// The buy aliases in the order the main alias calls them.
const Texts MainAliasOrder = {"buyprim",         "buysec",        "buyarmor",
                              "buyfullarmor",    "buyflashbang",  "buyhegrenade",
                              "buysmokegrenade", "buydefusalkit", "buynightvision"};

const Texts CloseMenu = {"slot10", "slot10", "wait", "wait", "slot10", "slot10"};

// What one key press must send to the game: for each buy alias in the main alias's order, the
// purchases of the chosen row that defines it, or else the alias's own name, which the game
// answers with "Unknown command".
Texts ExpectedCommands(const std::vector<const CatalogueRow*>& chosen) {
  Texts commands;
  for (const std::string& alias : MainAliasOrder) {
    const auto row = std::ranges::find(chosen, alias, &CatalogueRow::Alias);
    if (row == chosen.end()) {
      commands.push_back(alias);
      continue;
    }
    for (const std::vector<int>& menus : (*row)->Purchases) {
      commands.push_back("buy");
      for (int menu : menus) commands.push_back("menuselect " + std::to_string(menu));
      if ((*row)->Source == BuySource::Primary) commands.insert(commands.end(), 3, "buyammo1");
      if ((*row)->Source == BuySource::Secondary) commands.insert(commands.end(), 3, "buyammo2");
      commands.insert(commands.end(), CloseMenu.begin(), CloseMenu.end());
    }
  }
  return commands;
}

// The key the player means by a list item, as the engine names it: letter keys arrive in lower
// case, and five keys carry engine names of their own.
std::string MeantKey(std::string_view item) {
  static const std::map<std::string_view, std::string_view> engineNames = {{"INSERT", "INS"},
                                                                           {"DELETE", "DEL"},
                                                                           {"PAGEUP", "PGUP"},
                                                                           {"PAGEDOWN", "PGDN"},
                                                                           {"ESC", "ESCAPE"}};
  if (const auto found = engineNames.find(item); found != engineNames.end()) {
    return std::string(found->second);
  }
  if (item.size() == 1 && item[0] >= 'A' && item[0] <= 'Z') return {char(item[0] - 'A' + 'a')};
  return std::string(item);
}

struct Play {
  Texts executeOutput;  // what executing the script printed
  Texts commands;       // what the key press sent
  bool looped;
};

Play ExecuteAndPress(const ScriptSelection& s, std::string_view key) {
  GameConsole game;
  game.Execute(ComposeScript("", s));
  Play play{game.Output(), {}, game.Looped()};
  game.ClearRecord();
  game.Press(key);
  play.commands = game.Commands();
  play.looped = play.looped || game.Looped();
  return play;
}

bool Behaves(const Play& play, const Texts& expected) {
  return play.executeOutput.empty() && !play.looped && play.commands == expected;
}

ScriptSelection Selection(const std::string& name, const std::string& key) {
  ScriptSelection s;
  s.ScriptName = name;
  s.BindKey = key;
  s.Primary = "Primary Weapon";
  s.Secondary = "Secondary Weapon";
  return s;
}

class CatalogueRowInGame : public ::testing::TestWithParam<CatalogueRow> {};

TEST_P(CatalogueRowInGame, BuysWhatItSays) {
  ScriptSelection s = Selection("MyScript", "SHIFT");
  Choose(s, GetParam());
  const Play play = ExecuteAndPress(s, "SHIFT");
  EXPECT_TRUE(play.executeOutput.empty()) << ::testing::PrintToString(play.executeOutput);
  EXPECT_FALSE(play.looped);
  EXPECT_EQ(play.commands, ExpectedCommands({&GetParam()}));
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueRowInGame, ::testing::ValuesIn(CatalogueRows),
                         [](const auto& row) { return RowName(row.param.Caption); });

class BindKeyInGame : public ::testing::TestWithParam<std::string_view> {};

TEST_P(BindKeyInGame, KeyRunsTheScript) {
  const CatalogueRow& ak47 = CatalogueRows[14];
  ASSERT_EQ(ak47.Caption, "AK47");
  ScriptSelection s = Selection("MyScript", std::string(GetParam()));
  Choose(s, ak47);
  const Play play = ExecuteAndPress(s, MeantKey(GetParam()));
  EXPECT_TRUE(play.executeOutput.empty()) << ::testing::PrintToString(play.executeOutput);
  EXPECT_EQ(play.commands, ExpectedCommands({&ak47}));
}

INSTANTIATE_TEST_SUITE_P(MainWindowList, BindKeyInGame, ::testing::ValuesIn(BindKeyItems),
                         [](const auto& item) {
                           return "Item" + std::to_string(item.index) + "_" +
                                  RowName(std::string(item.param));
                         });

// README.md's table of what each item buys in Counter-Strike 1.6: the rows under its header, each
// as its cells.
std::vector<Texts> ReadmeBuyTable() {
  std::ifstream readme(VEZUVAZOV_README);
  std::string line;
  while (std::getline(readme, line) &&
         line != "| Item | As a Counter-Terrorist | As a Terrorist |") {
  }
  std::getline(readme, line);  // the rule under the header
  std::vector<Texts> rows;
  while (std::getline(readme, line) && line.starts_with("| ")) {
    Texts cells;
    for (std::size_t at = 2, bar; (bar = line.find(" |", at)) != std::string::npos; at = bar + 3)
      cells.push_back(line.substr(at, bar - at));
    rows.push_back(cells);
  }
  return rows;
}

std::string TableCell(const Texts& items) {
  std::string cell = items.empty() ? "nothing" : items[0];
  for (std::size_t i = 1; i < items.size(); ++i) cell += ", then " + items[i];
  return cell;
}

// What the README tells players each item buys in Counter-Strike 1.6 is what its composed script
// buys in the model's menus, for each team.
TEST(BuyMenusInGame, ReadmeTableIsWhatEachItemBuys) {
  std::vector<Texts> derived;
  for (const CatalogueRow& row : CatalogueRows) {
    ScriptSelection s = Selection("MyScript", "SHIFT");
    Choose(s, row);
    const Texts commands = ExecuteAndPress(s, "SHIFT").commands;
    derived.push_back({row.Caption, TableCell(Bought(Team::CounterTerrorist, commands)),
                       TableCell(Bought(Team::Terrorist, commands))});
  }
  EXPECT_EQ(ReadmeBuyTable(), derived);
}

// Draws selections as a player could make them in the main window, from a fixed seed so that every
// run tries the same ones.
class RandomPlayer {
 public:
  explicit RandomPlayer(unsigned seed) : rng_(seed) {}

  template <class Range>
  std::string Pick(const Range& items) {
    return std::string(items[rng_() % std::size(items)]);
  }
  bool Coin() { return rng_() % 2 == 0; }

  // Names start with "Rnd", which no alias of the script and no command it calls begins with.
  std::string Name() {
    std::string name = "Rnd";
    const std::size_t extra = rng_() % (31 - name.size() + 1);
    for (std::size_t i = 0; i < extra; ++i)
      name += ScriptNameCharacters[rng_() % ScriptNameCharacters.size()];
    return name;
  }

 private:
  std::mt19937 rng_;
};

constexpr int RandomSelections = 300;
constexpr unsigned RandomSeed = 20261207;

TEST(RandomSelectionsInGame, EachBuysWhatItSays) {
  RandomPlayer player(RandomSeed);
  const Texts primaries = [] {
    Texts texts(std::begin(PrimaryItems), std::end(PrimaryItems));
    texts.push_back("Primary Weapon");
    return texts;
  }();
  const Texts secondaries = [] {
    Texts texts(std::begin(SecondaryItems), std::end(SecondaryItems));
    texts.push_back("Secondary Weapon");
    return texts;
  }();
  int behaving = 0;
  for (int i = 0; i < RandomSelections; ++i) {
    const std::string key = player.Pick(BindKeyItems);
    ScriptSelection s = Selection(player.Name(), key);
    s.Primary = player.Pick(primaries);
    s.Secondary = player.Pick(secondaries);
    std::vector<const CatalogueRow*> chosen;
    for (const CatalogueRow& row : CatalogueRows) {
      const bool weapon = row.Source == BuySource::Primary || row.Source == BuySource::Secondary;
      const bool picked =
          weapon ? row.Caption == (row.Source == BuySource::Primary ? s.Primary : s.Secondary)
                 : player.Coin();
      if (!picked) continue;
      Choose(s, row);
      chosen.push_back(&row);
    }
    s.Announce = player.Coin();
    s.Advertise = player.Coin();
    s.AdvertiseText = "gg\r\n";

    const Play play = ExecuteAndPress(s, MeantKey(key));
    const bool behaves = Behaves(play, ExpectedCommands(chosen));
    behaving += behaves;
    EXPECT_TRUE(behaves) << "selection " << i << ": name " << s.ScriptName << ", key " << key
                         << ", primary \"" << s.Primary << "\", secondary \"" << s.Secondary
                         << "\"";
  }
  std::cout << behaving << " of " << RandomSelections << " random selections buy what they say\n";
}

// The name rule keeps up with the script: every alias a composed script defines but its main one,
// and every command its key press sends, is a name the rule refuses.
TEST(ScriptNamesInGame, RuleRefusesEveryNameTheScriptUses) {
  ScriptSelection s = Selection("MyScript", "SHIFT");
  for (const CatalogueRow& row : CatalogueRows) {
    if (row.Caption == "Elites/5-7 Combo" || row.Caption == "AK47/M4A1 Combo") Choose(s, row);
  }
  s.Announce = s.Advertise = true;
  GameConsole game;
  game.Execute(ComposeScript("", s));
  std::set<std::string> used;
  const auto addCommands = [&] {
    for (const std::string& command : game.Commands())
      used.insert(command.substr(0, command.find(' ')));
  };
  for (const std::string& alias : game.AliasNames()) used.insert(alias);
  used.erase("myscript");
  addCommands();
  game.ClearRecord();
  game.Press("SHIFT");
  addCommands();
  used.insert({"alias", "bind"});
  // 13 aliases, 3 chat and echo commands, 6 buying commands, 7 buy aliases left undefined, and
  // the two that define aliases and keys.
  EXPECT_EQ(used.size(), 31u);
  for (const std::string& name : used) {
    EXPECT_EQ(FindScriptNameFault(name), ScriptNameFault::Taken) << name;
  }
}

}  // namespace
