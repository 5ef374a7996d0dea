// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/console/GameConsole.h"

namespace {

using Texts = std::vector<std::string>;

struct ConsoleCase {
  const char* name;
  std::string script;
  const char* press;  // a key to press after the script, or nullptr
  Texts commands;     // those of the key press when there is one
  Texts output;
  bool looped = false;
};

const std::string Long(std::size_t n) { return std::string(n, 'a'); }

const std::vector<ConsoleCase> Cases = {
    {"SplitsAtSemicolonsAndLineEnds",
     "echo a;echo b\r\necho \"c; d\"\nwait",
     nullptr,
     {"echo a", "echo b", "echo \"c; d\"", "wait"},
     {}},
    {"LineEndEndsAnOpenQuote", "echo \"a\nbuy", nullptr, {"echo \"a", "buy"}, {}},
    {"CommentRunsToTheLineEnd",
     "//echo no; echo no\r\necho yes // no; buy",
     nullptr,
     {"echo yes"},
     {}},
    {"SecondAliasReplacesTheFirstWhateverTheCase",
     "alias t \"echo one\"\nalias T \"echo two\"\nt",
     nullptr,
     {"echo two"},
     {}},
    {"AliasNameOf31BytesIsTaken", "alias " + Long(31) + " buy\n" + Long(31), nullptr, {"buy"}, {}},
    {"AliasNameOf32BytesIsRefused",
     "alias " + Long(32) + " buy\n" + Long(32),
     nullptr,
     {Long(32)},
     {"Alias name is too long", "Unknown command: " + Long(32)}},
    {"AliasCallingItselfIsALoop",
     "alias buy buyprim\nalias buyprim \"buy\"\nbuy\necho after",
     nullptr,
     {},
     {"alias loop: buy"},
     true},
    {"EngineCommandsComeBeforeAliases",
     "alias echo buy\nalias SAY buy\necho hi\nsay gg",
     nullptr,
     {"echo hi", "say gg"},
     {}},
    {"AliasesComeBeforeGameCommands",
     "alias buy \"echo x\"\nbuy\nmenuselect 2",
     nullptr,
     {"echo x", "menuselect 2"},
     {}},
    {"UnknownCommandsAreAnswered",
     "buyprim\nbuyammo2",
     nullptr,
     {"buyprim", "buyammo2"},
     {"Unknown command: buyprim"}},
    {"LongKeyNamesOutsideTheTableAreRefused",
     "bind INSERT buy\nbind PAGEUP buy",
     "INS",
     {},
     {"\"INSERT\" isn't a valid key", "\"PAGEUP\" isn't a valid key"}},
    {"KeyNamesTakeAnyCase", "bind kp_ins \"buy; wait\"", "KP_INS", {"buy", "wait"}, {}},
    {"SemicolonIsNamed", "bind SEMICOLON buy", ";", {"buy"}, {}},
    {"OneCharacterKeepsItsCase", "bind A buy", "a", {}, {}},
    {"LowerCaseLetterIsTheKey", "bind a buy", "a", {"buy"}, {}},
    {"BindJoinsItsWords",
     "alias t \"echo one\"\nbind Bind To Key: t\nbind x t",
     "x",
     {"echo one"},
     {"\"Bind\" isn't a valid key"}},
};

void PrintTo(const ConsoleCase& c, std::ostream* os) { *os << c.name; }

class ConsoleRule : public ::testing::TestWithParam<ConsoleCase> {};

TEST_P(ConsoleRule, Holds) {
  const ConsoleCase& c = GetParam();
  GameConsole game;
  game.Execute(c.script);
  if (c.press) {
    const Texts output = game.Output();
    game.ClearRecord();
    game.Press(c.press);
    EXPECT_EQ(output, c.output);
  } else {
    EXPECT_EQ(game.Output(), c.output);
  }
  EXPECT_EQ(game.Commands(), c.commands);
  EXPECT_EQ(game.Looped(), c.looped);
}

INSTANTIATE_TEST_SUITE_P(GameConsole, ConsoleRule, ::testing::ValuesIn(Cases),
                         [](const auto& rule) { return std::string(rule.param.name); });

}  // namespace
