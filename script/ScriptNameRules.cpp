#include "script/ScriptNameRules.h"

bool FilterScriptNameKey(int keyCode) {
  if (keyCode == BackspaceKeyCode) return true;
  if (keyCode < 0 || keyCode > 255) return false;
  return ScriptNameCharacters.find(static_cast<char>(keyCode)) != std::string_view::npos;
}
