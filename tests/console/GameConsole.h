// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A model of the game's console, as far as a buy script reaches into it: enough to execute a
// script, press a key and see which commands reach the game. Its rules were read in the open
// engine sources, and the ones the scripts depend on were tried in a real open engine:
//   ReHLDS rehlds/engine/cmd.cpp: Cbuf_Execute (split at line ends and at ";" outside quotes),
//     Cmd_TokenizeString and COM_Parse (tokens, quotes, "//" comments), Cmd_Alias_f (names of 32
//     bytes or more refused, a second definition replaces the first), Cmd_ExecuteString (engine
//     commands before aliases; anything else goes to the game's server, which may not know it).
//   Xash3D FWGS engine/common/cmd.c (the same rules), engine/client/input/in_keys.c
//     (Key_StringToKeynum, Key_Bind_f: the key names, any case; a one-character name is that
//     character, case kept).
//   Quake WinQuake/keys.c (the key name table the others inherit).
class GameConsole {
 public:
  // Runs a text as `exec` runs a file.
  void Execute(std::string_view text);
  // Presses a key named as the engine names it ("a", "INS", "KP_5", "SEMICOLON") and runs what is
  // bound to it. Letter keys arrive as "a" to "z".
  void Press(std::string_view key);

  // The commands that reached the engine or the game, in order, each as its name and its
  // arguments ("menuselect 4"); commands nobody knows are among them.
  const std::vector<std::string>& Commands() const { return commands_; }
  // What the console printed: refusals and "Unknown command" answers.
  const std::vector<std::string>& Output() const { return output_; }
  // Whether an alias ran into itself; the real game never returns from that.
  bool Looped() const { return looped_; }
  // Forgets the commands and the output; aliases and bindings stay.
  void ClearRecord();

  std::optional<std::string> Alias(std::string_view name) const;
  std::optional<std::string> Binding(std::string_view key) const;
  std::vector<std::string> AliasNames() const;

 private:
  void Run(std::string_view text, int depth);
  void RunCommand(const std::vector<std::string>& tokens, std::string_view args, int depth);
  void Record(const std::string& name, std::string_view args);
  void DefineAlias(const std::vector<std::string>& tokens);
  void Bind(const std::vector<std::string>& tokens);

  std::map<std::string, std::string> aliases_;   // by lower-case name
  std::map<std::string, std::string> bindings_;  // by key (see KeyOf in the source)
  std::vector<std::string> commands_;
  std::vector<std::string> output_;
  bool looped_ = false;
};
