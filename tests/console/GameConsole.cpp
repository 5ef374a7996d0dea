// SPDX-License-Identifier: MIT
#include "tests/console/GameConsole.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <span>

namespace {

// Alias names of this many bytes or more are refused.
constexpr std::size_t AliasNameLimit = 32;
// The engine has no limit and never comes back from an alias that calls itself; the model stops
// far beyond any depth a buy script needs (main alias, buy alias, step alias).
constexpr int AliasDepthLimit = 64;

// Looked up before aliases: the engine's own commands and those the client registers with it.
constexpr std::string_view EngineCommands[] = {"alias", "bind",     "echo",  "wait",
                                               "say",   "say_team", "slot10"};
// Looked up after aliases: the game's commands, which the engine sends on to the server.
constexpr std::string_view GameCommands[] = {"buy", "menuselect", "buyammo1", "buyammo2"};

// The key names that bind takes, in any case, beside single characters.
// clang-format off
constexpr std::string_view KeyNames[] = {
    "TAB", "ENTER", "ESCAPE", "SPACE", "BACKSPACE", "UPARROW", "DOWNARROW", "LEFTARROW",
    "RIGHTARROW", "ALT", "CTRL", "SHIFT", "CAPSLOCK", "SCROLLOCK",
    "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12",
    "INS", "DEL", "PGDN", "PGUP", "HOME", "END",
    "MOUSE1", "MOUSE2", "MOUSE3", "MOUSE4", "MOUSE5", "MWHEELUP", "MWHEELDOWN",
    "KP_HOME", "KP_UPARROW", "KP_PGUP", "KP_LEFTARROW", "KP_5", "KP_RIGHTARROW", "KP_END",
    "KP_DOWNARROW", "KP_PGDN", "KP_ENTER", "KP_INS", "KP_DEL", "KP_SLASH", "KP_MINUS", "KP_PLUS",
    "PAUSE", "SEMICOLON"};
// clang-format on

// COM_Parse makes each of these a token of its own.
constexpr std::string_view SingleCharacterTokens = "{}()',";

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool Contains(std::span<const std::string_view> names, std::string_view name) {
  const std::string lower = Lower(name);
  return std::ranges::any_of(names, [&](std::string_view n) { return Lower(n) == lower; });
}

// The key a name stands for: one character is that character, case kept; a known name in any
// case is that key; anything else is no key. Two names stand for characters a bind line cannot
// hold.
std::optional<std::string> KeyOf(std::string_view name) {
  if (name.size() == 1) return std::string(name);
  const std::string upper = Upper(name);
  if (upper == "SEMICOLON") return ";";
  if (upper == "SPACE") return " ";
  if (std::ranges::find(KeyNames, upper) == std::end(KeyNames)) return std::nullopt;
  return upper;
}

// Cbuf_Execute: the text up to a line end or a ";" outside quotes is one command. A "//" at a
// token's start comments out the rest of the line, its ";" included.
std::vector<std::string_view> SplitCommands(std::string_view text) {
  std::vector<std::string_view> commands;
  std::size_t start = 0;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') quoted = !quoted;
    const bool comment =
        !quoted && text.substr(i, 2) == "//" && (i == start || IsBlank(text[i - 1]));
    if (comment) {
      const std::size_t end = text.find('\n', i);
      commands.push_back(text.substr(start, i - start));
      if (end == std::string_view::npos) return commands;
      i = end;
      start = end + 1;
      quoted = false;
      continue;
    }
    if (c == '\n' || (c == ';' && !quoted)) {
      commands.push_back(text.substr(start, i - start));
      start = i + 1;
      quoted = false;
    }
  }
  commands.push_back(text.substr(start));
  return commands;
}

// COM_Parse, once per token: blanks separate tokens, quotes hold blanks and lose themselves.
std::vector<std::string> Tokenize(std::string_view command) {
  std::vector<std::string> tokens;
  std::size_t i = 0;
  while (true) {
    while (i < command.size() && IsBlank(command[i])) ++i;
    if (i >= command.size()) return tokens;
    if (command[i] == '"') {
      const std::size_t close = command.find('"', i + 1);
      const std::size_t end = close == std::string_view::npos ? command.size() : close;
      tokens.emplace_back(command.substr(i + 1, end - i - 1));
      i = end + 1;
      continue;
    }
    if (SingleCharacterTokens.find(command[i]) != std::string_view::npos) {
      tokens.emplace_back(1, command[i++]);
      continue;
    }
    const std::size_t start = i;
    while (i < command.size() && !IsBlank(command[i]) &&
           SingleCharacterTokens.find(command[i]) == std::string_view::npos) {
      ++i;
    }
    tokens.emplace_back(command.substr(start, i - start));
  }
}

// Cmd_Args: what follows the command's name, from its first non-blank character, trailing blanks
// (the CR of a CR LF line end) dropped.
std::string_view ArgumentsOf(std::string_view command, std::string_view name) {
  std::size_t i = 0;
  while (i < command.size() && IsBlank(command[i])) ++i;
  i += command[i] == '"' ? name.size() + 2 : name.size();
  while (i < command.size() && IsBlank(command[i])) ++i;
  std::size_t end = command.size();
  while (end > i && IsBlank(command[end - 1])) --end;
  return i < end ? command.substr(i, end - i) : std::string_view();
}

std::string Joined(const std::vector<std::string>& tokens, std::size_t from) {
  std::string joined;
  for (std::size_t i = from; i < tokens.size(); ++i) {
    if (i > from) joined += ' ';
    joined += tokens[i];
  }
  return joined;
}

}  // namespace

void GameConsole::Execute(std::string_view text) { Run(text, 0); }

void GameConsole::Press(std::string_view key) {
  const std::optional<std::string> binding = Binding(key);
  if (binding) Run(*binding, 0);
}

void GameConsole::ClearRecord() {
  commands_.clear();
  output_.clear();
  looped_ = false;
}

std::optional<std::string> GameConsole::Alias(std::string_view name) const {
  const auto found = aliases_.find(Lower(name));
  if (found == aliases_.end()) return std::nullopt;
  return found->second;
}

std::optional<std::string> GameConsole::Binding(std::string_view key) const {
  const std::optional<std::string> k = KeyOf(key);
  if (!k) return std::nullopt;
  const auto found = bindings_.find(*k);
  if (found == bindings_.end()) return std::nullopt;
  return found->second;
}

std::vector<std::string> GameConsole::AliasNames() const {
  std::vector<std::string> names;
  for (const auto& [name, body] : aliases_) names.push_back(name);
  return names;
}

void GameConsole::Run(std::string_view text, int depth) {
  for (std::string_view command : SplitCommands(text)) {
    if (looped_) return;
    const std::vector<std::string> tokens = Tokenize(command);
    if (tokens.empty()) continue;
    RunCommand(tokens, ArgumentsOf(command, tokens[0]), depth);
  }
}

void GameConsole::RunCommand(const std::vector<std::string>& tokens, std::string_view args,
                             int depth) {
  const std::string& name = tokens[0];
  if (Contains(EngineCommands, name)) {
    const std::string lower = Lower(name);
    if (lower == "alias") {
      DefineAlias(tokens);
    } else if (lower == "bind") {
      Bind(tokens);
    } else {
      Record(name, args);
    }
  } else if (const std::optional<std::string> body = Alias(name)) {
    if (depth < AliasDepthLimit) {
      Run(*body, depth + 1);
    } else {
      looped_ = true;
      output_.push_back("alias loop: " + name);
    }
  } else {
    Record(name, args);
    if (!Contains(GameCommands, name)) output_.push_back("Unknown command: " + name);
  }
}

void GameConsole::Record(const std::string& name, std::string_view args) {
  commands_.push_back(args.empty() ? name : name + " " + std::string(args));
}

void GameConsole::DefineAlias(const std::vector<std::string>& tokens) {
  if (tokens.size() < 2) return;  // lists the aliases
  if (tokens[1].size() >= AliasNameLimit) {
    output_.push_back("Alias name is too long");
    return;
  }
  aliases_[Lower(tokens[1])] = Joined(tokens, 2);
}

void GameConsole::Bind(const std::vector<std::string>& tokens) {
  if (tokens.size() < 2) return;  // prints the usage
  const std::optional<std::string> key = KeyOf(tokens[1]);
  if (!key) {
    output_.push_back('"' + tokens[1] + "\" isn't a valid key");
    return;
  }
  if (tokens.size() > 2) bindings_[*key] = Joined(tokens, 2);  // two tokens print the binding
}
